-- The register rows the program syncs, one table for the five kinds.
-- change_seq orders every write; the one counter row hands the numbers out,
-- and its row lock, held until the writing transaction commits, keeps a lower
-- number from becoming visible after a higher one.
CREATE TABLE sync_counter (
    id INTEGER PRIMARY KEY,
    value BIGINT NOT NULL
);
INSERT INTO sync_counter (id, value) VALUES (1, 0);

-- identity_owner is empty for accounts, transactions, recurring rules and
-- reconciliations, whose random ids are unique across users, and the user's
-- id for categories, whose default ids are the same for every user.
-- account_id is the client id of the account a row belongs to (its own for
-- an account row), owner_id the user who owns that account.
CREATE TABLE sync_rows (
    server_id TEXT PRIMARY KEY,
    entity_type TEXT NOT NULL,
    identity_owner TEXT NOT NULL,
    client_id TEXT NOT NULL,
    owner_id TEXT NOT NULL REFERENCES users (id),
    account_id TEXT NOT NULL,
    version BIGINT NOT NULL,
    deleted INTEGER NOT NULL,
    payload TEXT NOT NULL,
    change_seq BIGINT NOT NULL,
    updated_at TEXT NOT NULL,
    UNIQUE (entity_type, identity_owner, client_id)
);
CREATE INDEX sync_rows_by_owner_change ON sync_rows (owner_id, change_seq);
