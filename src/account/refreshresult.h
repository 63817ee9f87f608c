#pragma once

namespace KestAccount {

// How one token refresh ended.
enum class RefreshResult {
    // A new access token is held (and stored).
    Refreshed,
    // The identity service refused the refresh token: the session is over.
    Rejected,
    // No answer, a server error or an unusable answer: the session may
    // still be good, so nothing is forgotten.
    Failed,
    // The user signed out or in again while it ran; its tokens were dropped.
    Superseded,
};

} // namespace KestAccount
