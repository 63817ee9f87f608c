#pragma once

#include "storage/enums.h"
#include "storage/recurringtransaction.h"

#include <QDialog>

class AppState;
class DateField;
class PaymentDepositChoice;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class SmartAmountField;

// Creates, edits or memorizes a recurring rule: a payment or deposit that
// repeats, with its schedule. New starts from an empty form; Edit shows a
// stored rule, whose account never changes; Memorize starts from a rule the
// register built from one of its rows, whose own date is already posted.
// The dialog only builds the record; its caller stores it.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { New, Edit, Memorize };

    explicit RecurringFormDialog(AppState* appState, QWidget* parent = nullptr);
    // `rule` is the stored rule (Edit) or the register's seed (Memorize).
    RecurringFormDialog(AppState* appState, Mode mode, const RecurringTransaction& rule, QWidget* parent = nullptr);

    // The rule as the form shows it: a new id and creation time unless
    // editing, pending, updated now. Editing without touching the start
    // date keeps the rule's next due date; a new start date re-anchors it.
    // A rule that ends before it is next due is saved inactive.
    RecurringTransaction recurring() const;

public Q_SLOTS:
    // Closes the form only when it holds a rule that can post, and after
    // the user has seen the note of a rule that never will.
    void accept() override;

private:
    void buildForm();
    void addFrequency(const QString& label, Frequency frequency);
    void fillAccounts();
    void showRule();
    void selectData(QComboBox* combo, const QString& data, const QString& missingText);
    void onAccountChosen();
    void onEndDateToggled(bool hasEndDate);
    // Says when the rule is next due, or that it never will be.
    void updateDueNote();
    QDate nextDueDate() const;
    bool endsBeforeDue() const;
    Currency currencyOf(const QString& accountId) const;
    // The field to fix and why, or no field when the form can be saved.
    QWidget* refusal(QString& reason) const;

    AppState* m_appState;
    Mode m_mode;
    RecurringTransaction m_original;
    Currency m_currency = Currency::USD;
    // What the user last chose for Active while the dates allowed a choice.
    bool m_activeChoice = true;
    bool m_neverDueShown = false;

    QComboBox* m_account = nullptr;
    PaymentDepositChoice* m_type = nullptr;
    QLineEdit* m_payee = nullptr;
    SmartAmountField* m_amount = nullptr;
    QLabel* m_amountNote = nullptr;
    QComboBox* m_category = nullptr;
    QLineEdit* m_memo = nullptr;
    QComboBox* m_frequency = nullptr;
    DateField* m_startDate = nullptr;
    QCheckBox* m_hasEndDate = nullptr;
    DateField* m_endDate = nullptr;
    QLabel* m_dueNote = nullptr;
    QCheckBox* m_autoPost = nullptr;
    QCheckBox* m_active = nullptr;
};
