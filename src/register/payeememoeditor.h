#pragma once

#include "register/registerlineedit.h"

#include <QWidget>

// The payee cell's editor in the two-line register: the payee on the first
// line over an italic memo on the second, typed as two fields of one cell.
// Tab moves from payee to memo, Shift+Tab back, before leaving the cell.
class PayeeMemoEditor : public QWidget
{
    Q_OBJECT

public:
    explicit PayeeMemoEditor(QWidget* parent = nullptr);

    RegisterLineEdit* payeeEdit() const { return m_payeeEdit; }
    RegisterLineEdit* memoEdit() const { return m_memoEdit; }

    // The editor `widget` belongs to (itself, or one of its fields), or
    // nullptr when it is not inside one.
    static PayeeMemoEditor* around(QWidget* widget);
    // The memo's font, smaller and italic, as typed and as painted.
    static QFont memoFont(const QFont& base);

private:
    RegisterLineEdit* m_payeeEdit;
    RegisterLineEdit* m_memoEdit;
};
