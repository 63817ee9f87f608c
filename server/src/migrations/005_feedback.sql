-- What people send through the feedback page.
CREATE TABLE feedback (
    id TEXT PRIMARY KEY,
    tags TEXT NOT NULL,
    email TEXT NOT NULL,
    message TEXT NOT NULL,
    ip_address TEXT NOT NULL,
    user_agent TEXT NOT NULL,
    created_at TEXT NOT NULL
);
CREATE INDEX feedback_by_address ON feedback (ip_address, created_at);
