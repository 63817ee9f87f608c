-- Users, their signed-in sessions and the refresh tokens of each session.
-- Portable SQL: the same text runs on SQLite and PostgreSQL.
CREATE TABLE users (
    id TEXT PRIMARY KEY,
    email TEXT NOT NULL UNIQUE,
    password_hash TEXT NOT NULL,
    display_name TEXT NOT NULL,
    created_at TEXT NOT NULL,
    deletion_due_at TEXT
);

CREATE TABLE sessions (
    id TEXT PRIMARY KEY,
    user_id TEXT NOT NULL REFERENCES users (id),
    user_agent TEXT NOT NULL,
    ip_address TEXT NOT NULL,
    created_at TEXT NOT NULL,
    last_active_at TEXT NOT NULL,
    revoked_at TEXT
);
CREATE INDEX sessions_by_user ON sessions (user_id);

-- Only digests of refresh tokens are kept. A rotated token stays listed, so
-- that presenting it again is recognised as reuse.
CREATE TABLE refresh_tokens (
    token_hash TEXT PRIMARY KEY,
    session_id TEXT NOT NULL REFERENCES sessions (id),
    issued_at TEXT NOT NULL,
    rotated_at TEXT
);
CREATE INDEX refresh_tokens_by_session ON refresh_tokens (session_id);

-- Failed sign-ins per account ("account", e-mail) and per address ("address", IP).
CREATE TABLE login_failures (
    scope TEXT NOT NULL,
    subject TEXT NOT NULL,
    failed_at TEXT NOT NULL
);
CREATE INDEX login_failures_by_subject ON login_failures (scope, subject, failed_at);
