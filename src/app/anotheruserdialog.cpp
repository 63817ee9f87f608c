#include "app/anotheruserdialog.h"

#include <QPushButton>

AnotherUserDialog::AnotherUserDialog(QWidget* parent)
    : QMessageBox(parent)
{
    setIcon(QMessageBox::Question);
    setWindowTitle(tr("Different Account"));
    setText(tr("The books on this device were last synced with a different Kestrelwood account."));
    setInformativeText(tr("Add this device's accounts and transactions to the account you just signed in with, or "
                          "sign out. Nothing on this device is deleted either way; until you choose, nothing is "
                          "synced."));
    m_addButton = addButton(tr("Add to This Account"), QMessageBox::AcceptRole);
    // Signing out changes nothing anywhere, so it is what Enter and Escape do.
    QPushButton* signOut = addButton(tr("Sign Out"), QMessageBox::RejectRole);
    setDefaultButton(signOut);
    setEscapeButton(signOut);
}

bool AnotherUserDialog::addChosen() const
{
    return clickedButton() == m_addButton;
}
