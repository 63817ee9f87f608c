#pragma once

class QLineEdit;
class QString;

// Puts a stored text into a line edit that accepts at most `limit` typed
// characters. A longer stored text (restored from a backup, or typed on
// another device) is shown whole and saved back unchanged, since QLineEdit
// would otherwise cut it to its maximum length without a word; the limit
// then only keeps the user from making it longer still.
void showStoredText(QLineEdit* edit, const QString& text, int limit);
