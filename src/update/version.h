#pragma once

#include <QString>
#include <compare>

namespace KestUpdate {

// A release number of one to three dot-separated base-10 integers (1.2 is
// 1.2.0), compared part by part. Any other text reads as 0.0.0, so every
// real release counts as newer than it.
class Version
{
public:
    Version() = default;
    Version(int majorPart, int minorPart, int patchPart);

    static Version fromText(const QString& text);
    // True when `text` is a release number as fromText reads one; a
    // published release must be, or it could never be offered correctly.
    static bool isWellFormed(const QString& text);

    // Members compare in declaration order: major, then minor, then patch.
    auto operator<=>(const Version&) const = default;

private:
    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
};

} // namespace KestUpdate
