#pragma once

#include "update/updateconfig.h"

#include <QString>
#include <functional>

class QWidget;

// What the main window's Help menu and the start-up run for updates and
// release notes. The parent widget is held weakly: when it is gone by the
// time an answer arrives, nothing is shown.
namespace KestUpdate {

using StatusCallback = std::function<void(const QString& text)>;
using FinishedCallback = std::function<void()>;
using MessageCallback = std::function<void(const QString& text, int milliseconds)>;

// The running version's notes, when the feed has them; nothing otherwise.
void showWhatsNewAfterUpgrade(const UpdateConfig& config, const QString& displayName, QWidget* parent);

// Help › Check for Updates: the update offer, or a message that the
// program is up to date or that the check failed.
void checkForUpdatesInteractive(const UpdateConfig& config, const QString& displayName, QWidget* parent,
    const StatusCallback& status, const FinishedCallback& finished, const MessageCallback& message);

// Help › What's New: the running version's notes, else a newer release's
// notes with its download, else a message that there are none.
void showWhatsNew(const UpdateConfig& config, const QString& displayName, QWidget* parent,
    const StatusCallback& status, const FinishedCallback& finished, const MessageCallback& message);

// Opens the feedback site for `product` in the system browser.
void openFeedbackPage(const QString& product, const QUrl& feedbackRootUrl);

} // namespace KestUpdate
