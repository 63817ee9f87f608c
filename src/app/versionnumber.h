#pragma once

#include <QString>
#include <compare>

// A release number of up to three dot-separated integers, compared part by
// part. Text that is empty, has more than three parts or holds no numbers
// reads as 0.0.0, so any real release counts as newer than it.
class VersionNumber
{
public:
    VersionNumber() = default;
    VersionNumber(int majorPart, int minorPart, int patchPart);

    static VersionNumber fromText(const QString& text);

    // Members compare in declaration order: major, then minor, then patch.
    auto operator<=>(const VersionNumber&) const = default;

private:
    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
};
