#pragma once

#include <QList>
#include <QMetaObject>
#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The introductory page shown in place of the register: it presents the
// program, offers to sign in to the cloud account (or to sign out while a
// session exists) and lets the user go on with the local register alone.
// It stores nothing; the main window acts on its signals.
class WelcomeScreen : public QWidget
{
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState* appState, QWidget* parent = nullptr);

public Q_SLOTS:
    // Re-evaluates the sign-in button for the given session state: "Sign
    // Out" emitting signOutRequested while signed in, otherwise the sign-in
    // offer emitting signInRequested. However often it runs, one click
    // triggers exactly one action. The screen starts signed out.
    void setSignedIn(bool signedIn);

Q_SIGNALS:
    void signInRequested();
    void signOutRequested();
    void dismissRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildColumn();
    void addHeader(QLayout* column);
    QWidget* buildFeatureRow(char16_t glyph, const QString& title, const QString& description);
    void addActions(QLayout* column);
    // Colours that differ between the light and the dark palette.
    void applyThemeColors();

    AppState* m_appState;
    QPushButton* m_signInButton = nullptr;
    QPushButton* m_continueButton = nullptr;
    QMetaObject::Connection m_signInAction;
    QList<QLabel*> m_mutedLabels;
    bool m_darkColorsApplied = false;
};
