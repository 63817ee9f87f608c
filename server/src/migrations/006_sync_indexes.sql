-- Pulls read the rows of each account shared with the reader in change order.
CREATE INDEX sync_rows_by_account_change ON sync_rows (account_id, change_seq);
