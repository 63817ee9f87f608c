#pragma once

#include <QComboBox>

// The register's category editor: an editable list of categories whose item
// data is the category id. The property "_kestCategoryId" always holds the id
// of the current item.
class RegisterComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit RegisterComboBox(QWidget* parent = nullptr);

    // The id of the item whose text is exactly the typed text; empty when the
    // text names no item. Typing over a chosen item does not change the
    // current item, so the text decides.
    QString typedCategoryId() const;
    // Makes the item with exactly `text` current, or shows `text` as typed
    // when no item has it.
    void showCategoryText(const QString& text);

protected:
    // Up and Down move between rows, as in every other cell; the list opens
    // with F4 or Alt+Down.
    void keyPressEvent(QKeyEvent* event) override;
};
