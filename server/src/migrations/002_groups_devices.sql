-- Family groups with their members and invitations, and registered devices.
-- member_count is kept beside the members so that a join can take a seat
-- with one conditional UPDATE, which no concurrent join can overtake.
CREATE TABLE family_groups (
    id TEXT PRIMARY KEY,
    name TEXT NOT NULL,
    owner_id TEXT NOT NULL REFERENCES users (id),
    max_seats INTEGER NOT NULL,
    member_count INTEGER NOT NULL,
    created_at TEXT NOT NULL
);

CREATE TABLE group_members (
    group_id TEXT NOT NULL REFERENCES family_groups (id),
    user_id TEXT NOT NULL UNIQUE REFERENCES users (id),
    role TEXT NOT NULL,
    joined_at TEXT NOT NULL,
    PRIMARY KEY (group_id, user_id)
);

CREATE TABLE group_invitations (
    id TEXT PRIMARY KEY,
    group_id TEXT NOT NULL REFERENCES family_groups (id),
    invited_email TEXT,
    invite_code TEXT NOT NULL UNIQUE,
    status TEXT NOT NULL,
    created_at TEXT NOT NULL,
    expires_at TEXT NOT NULL
);
CREATE INDEX group_invitations_by_group ON group_invitations (group_id);

CREATE TABLE devices (
    id TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users (id),
    device_name TEXT NOT NULL,
    platform TEXT NOT NULL,
    app_id TEXT NOT NULL,
    app_version TEXT NOT NULL,
    device_fingerprint TEXT NOT NULL,
    last_sync_at TEXT NOT NULL,
    created_at TEXT NOT NULL,
    UNIQUE (user_id, device_fingerprint)
);
