#pragma once

#include <QDateTime>
#include <optional>

// What identifies one state of a synchronised row: an upload is
// acknowledged for the row only while the stored row still has these.
struct SyncStamp
{
    int version = 0;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
