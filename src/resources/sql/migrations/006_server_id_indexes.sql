-- Migration 6: a row found by the id the server gave it.
-- A sync merges each downloaded row into the local row with the same server
-- id when the local id does not match; without an index each of those
-- look-ups reads the whole table, and a first download of a large register
-- slows down with every row it stores.

CREATE INDEX IF NOT EXISTS idx_accounts_server_id ON accounts(server_id);
CREATE INDEX IF NOT EXISTS idx_categories_server_id ON categories(server_id);
CREATE INDEX IF NOT EXISTS idx_recurring_transactions_server_id ON recurring_transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_reconciliations_server_id ON reconciliations(server_id);
