#pragma once

#include "bookkeeping/writeoutcome.h"

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

// Asks for a category name and stays open, with the text as typed, until
// `save` stores it or the user cancels: a refused name is explained under
// the field, a failed write in a box.
class CategoryNameDialog : public QDialog
{
    Q_OBJECT

public:
    using Save = std::function<WriteOutcome(const QString& name)>;

    CategoryNameDialog(const QString& title, const QString& name, Save save, QWidget* parent = nullptr);

    // What the accepted save came to, with the id of a created category.
    WriteOutcome outcome() const { return m_outcome; }

    void accept() override;

private:
    Save m_save;
    WriteOutcome m_outcome;
    QLineEdit* m_name;
    QLabel* m_refusal;
};
