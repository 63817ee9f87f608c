-- Migration 5: what bank statements (OFX, QFX) have already brought in.
-- Both tables are this device's own memory: they are not synchronised and
-- not part of backups. A row that arrived by sync or restore has no entry
-- here, so an import matches it by date, amount and payee instead, and a
-- statement never brings it in a second time.

-- The bank's id (FITID) of every statement row imported into an account,
-- with the transaction it became or was matched with. An entry whose
-- transaction no longer exists at all is ignored.
CREATE TABLE IF NOT EXISTS statement_ids (
    account_id TEXT NOT NULL,
    fitid TEXT NOT NULL,
    transaction_id TEXT NOT NULL,
    PRIMARY KEY (account_id, fitid)
);
CREATE INDEX IF NOT EXISTS idx_statement_ids_transaction ON statement_ids(transaction_id);

-- The account a statement's account was last imported into, by a hash of
-- the bank's account id: the account number itself is never kept.
CREATE TABLE IF NOT EXISTS statement_accounts (
    account_hash TEXT PRIMARY KEY,
    account_id TEXT NOT NULL
);
