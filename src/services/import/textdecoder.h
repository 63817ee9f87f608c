#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of a bank file into text: a byte-order mark names the
// encoding; without one, valid UTF-8 is read as UTF-8 and anything else as
// Windows-1252, the code page older finance programs write.
class TextDecoder
{
public:
    static QString decode(const QByteArray& bytes);
};
