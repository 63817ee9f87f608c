#pragma once

#include <QMetaType>

namespace KestAccount {

// Where the sign-in stands. The values are fixed; 2 is not used.
enum class AuthState {
    Initializing = 0,
    SignedOut = 1,
    SignedIn = 3,
};

} // namespace KestAccount

Q_DECLARE_METATYPE(KestAccount::AuthState)
