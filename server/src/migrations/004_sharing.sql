-- Accounts shared by their owner with members of the owner's group.
CREATE TABLE account_shares (
    account_id TEXT NOT NULL,
    owner_id TEXT NOT NULL REFERENCES users (id),
    member_id TEXT NOT NULL REFERENCES users (id),
    role TEXT NOT NULL,
    created_at TEXT NOT NULL,
    PRIMARY KEY (account_id, member_id)
);
CREATE INDEX account_shares_by_member ON account_shares (member_id);

-- Rows handed to one user outside their own change order: when an account is
-- shared, its rows (they may have changed before the member's cursor), and
-- when the share ends, the same rows again as deleted.
CREATE TABLE sync_deliveries (
    user_id TEXT NOT NULL REFERENCES users (id),
    server_id TEXT NOT NULL REFERENCES sync_rows (server_id),
    change_seq BIGINT NOT NULL,
    as_deleted INTEGER NOT NULL,
    PRIMARY KEY (user_id, server_id)
);
CREATE INDEX sync_deliveries_by_user_change ON sync_deliveries (user_id, change_seq);
