#pragma once

#include <QMessageBox>

class QPushButton;

// Asked when the user who signed in is not the one this device's books were
// last synced with: add the books to the signed-in user's account, or sign
// out. Either way nothing on the device is deleted.
class AnotherUserDialog : public QMessageBox
{
    Q_OBJECT

public:
    explicit AnotherUserDialog(QWidget* parent = nullptr);

    // True when the user chose to add the books to the signed-in account.
    bool addChosen() const;

private:
    QPushButton* m_addButton;
};
