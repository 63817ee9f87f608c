-- Migration 4: reports and search over a large register.
-- Every report sums live transactions only, so its indexes hold live rows
-- alone and carry the columns it reads: a report over all time then reads a
-- compact index in the order it groups by instead of every wide row of the
-- table followed by a sort.

-- In date and payee order, with everything the monthly reports and the
-- transaction list read.
CREATE INDEX IF NOT EXISTS idx_transactions_live_date ON transactions(
    date, payee, amount, category_id, account_id, transfer_link_id, memo, deleted_at)
    WHERE deleted_at IS NULL;

-- Grouped by category: spending, totals, and the tax report's few categories.
CREATE INDEX IF NOT EXISTS idx_transactions_live_category ON transactions(
    category_id, date, amount, account_id, deleted_at)
    WHERE deleted_at IS NULL;

-- Grouped by payee: the payee summary and the list of known payees.
CREATE INDEX IF NOT EXISTS idx_transactions_live_payee ON transactions(
    payee, date, amount, account_id, deleted_at)
    WHERE deleted_at IS NULL;

-- Newest first, as search lists its matches: the first page of a common word
-- is found without reading every matching row. Rows of the same date and
-- creation time follow in the order they were entered.
CREATE INDEX IF NOT EXISTS idx_transactions_live_newest ON transactions(date DESC, created_at DESC)
    WHERE deleted_at IS NULL;

-- One account's balance also split into cleared and uncleared, still from
-- the index alone; it replaces the index of migration 3 under the same name.
DROP INDEX IF EXISTS idx_transactions_account_balance;
CREATE INDEX idx_transactions_account_balance ON transactions(account_id, deleted_at, cleared, amount);
