-- Migration 7: the search index is rewritten only when a searched column
-- changes.
-- Marking a row synced, cleared or reconciled changes none of payee, memo
-- or check number, yet the update trigger deleted and re-added the row's
-- index entry each time; a sync of a large register paid for that on every
-- row it marked.

DROP TRIGGER IF EXISTS transactions_au;

CREATE TRIGGER transactions_au AFTER UPDATE OF payee, memo, check_number ON transactions BEGIN
    INSERT INTO transactions_fts(transactions_fts, rowid, payee, memo, check_number)
    VALUES ('delete', old.rowid, old.payee, old.memo, old.check_number);
    INSERT INTO transactions_fts(rowid, payee, memo, check_number)
    VALUES (new.rowid, new.payee, new.memo, new.check_number);
END;
