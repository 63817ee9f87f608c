-- Migration 3: one account's balance without reading its rows.
-- The sidebar sums the live amounts of one account after every change; with
-- the account, the deletion stamp and the amount in one index, that sum reads
-- the index alone instead of every row of a large register.

CREATE INDEX IF NOT EXISTS idx_transactions_account_balance ON transactions(account_id, deleted_at, amount);
