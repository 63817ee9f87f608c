#pragma once

class QLineEdit;

// Makes `edit` at least as wide as its placeholder text, so a hint that is
// longer in another language is never cut off. Call after setting the text.
void fitPlaceholder(QLineEdit* edit);
