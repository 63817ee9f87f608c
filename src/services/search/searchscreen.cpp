#include "services/search/searchscreen.h"

#include "app/appstate.h"
#include "register/registermodel.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "widgets/palette.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int typingPauseMilliseconds = 300;

QDateEdit* newDateEdit(const QDate& date)
{
    auto* edit = new QDateEdit(date);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    edit->setEnabled(false);
    return edit;
}

// Puts back the entry chosen before the combo box was refilled, when it is
// still there.
void selectData(QComboBox* combo, const QString& data)
{
    combo->setCurrentIndex(std::max(0, combo->findData(data)));
}

} // namespace

QString SearchScreen::failureText(StorageFailure cause)
{
    const QString text = tr("The transactions could not be read.");
    // The database's own sentence for other causes speaks of writing.
    if (cause == StorageFailure::None || cause == StorageFailure::Other)
        return text;
    return text + QLatin1Char(' ') + Database::failureText(cause);
}

SearchScreen::SearchScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_typingPause(new QTimer(this))
{
    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(typingPauseMilliseconds);
    buildLayout();
    connectTriggers();
}

void SearchScreen::buildLayout()
{
    m_searchField = new QLineEdit;
    m_searchField->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_searchField->setClearButtonEnabled(true);

    m_model = new RegisterModel(this);
    m_results = new QTableView;
    m_results->setModel(m_model);
    m_results->setAlternatingRowColors(true);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->verticalHeader()->hide();
    m_results->horizontalHeader()->setSectionResizeMode(RegisterModel::PayeeColumn, QHeaderView::Stretch);
    m_results->horizontalHeader()->setSectionResizeMode(RegisterModel::CategoryColumn, QHeaderView::Stretch);
    // Results come from many registers: a running balance means nothing here.
    m_results->hideColumn(RegisterModel::BalanceColumn);

    m_failure = new QLabel;
    m_failure->setWordWrap(true);
    m_failure->setStyleSheet(QStringLiteral("color: %1;").arg(Palette::negative().name()));
    m_failure->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_searchField);
    layout->addWidget(buildFilterRow());
    layout->addWidget(m_results, 1);
    layout->addWidget(m_failure);
}

QWidget* SearchScreen::buildFilterRow()
{
    m_accountFilter = new QComboBox;
    m_categoryFilter = new QComboBox;
    m_dateRange = new QCheckBox(tr("Date range:"));
    const QDate today = Clock::today();
    m_fromDate = newDateEdit(today.addMonths(-1));
    m_toDate = newDateEdit(today);
    m_clearedOnly = new QCheckBox(tr("Cleared only"));
    m_accountFilter->setObjectName(QStringLiteral("accountFilter"));
    m_categoryFilter->setObjectName(QStringLiteral("categoryFilter"));
    m_dateRange->setObjectName(QStringLiteral("dateRange"));
    m_fromDate->setObjectName(QStringLiteral("fromDate"));
    m_toDate->setObjectName(QStringLiteral("toDate"));
    m_clearedOnly->setObjectName(QStringLiteral("clearedOnly"));

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Account:")));
    layout->addWidget(m_accountFilter);
    layout->addWidget(new QLabel(tr("Category:")));
    layout->addWidget(m_categoryFilter);
    layout->addWidget(m_dateRange);
    layout->addWidget(m_fromDate);
    layout->addWidget(new QLabel(tr("to")));
    layout->addWidget(m_toDate);
    layout->addWidget(m_clearedOnly);
    layout->addStretch();
    return row;
}

void SearchScreen::connectTriggers()
{
    connect(m_searchField, &QLineEdit::textChanged, m_typingPause, qOverload<>(&QTimer::start));
    connect(m_typingPause, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_accountFilter, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_categoryFilter, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_clearedOnly, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool on) {
        m_fromDate->setEnabled(on);
        m_toDate->setEnabled(on);
        performSearch();
    });
    for (QDateEdit* edit : {m_fromDate, m_toDate}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_dateRange->isChecked())
                performSearch();
        });
    }
    connect(m_results, &QTableView::doubleClicked, this, &SearchScreen::openResult);
}

void SearchScreen::refresh()
{
    {
        // One search once both lists are filled, not one per change.
        const QSignalBlocker accountsQuiet(m_accountFilter);
        const QSignalBlocker categoriesQuiet(m_categoryFilter);
        fillAccounts();
        fillCategories();
    }
    performSearch();
}

void SearchScreen::fillAccounts()
{
    const QString chosen = m_accountFilter->currentData().toString();
    m_accountFilter->clear();
    m_accountFilter->addItem(tr("All Accounts"), QString());
    for (const Account& account : m_appState->accounts()->all())
        m_accountFilter->addItem(account.name, account.id);
    selectData(m_accountFilter, chosen);
}

void SearchScreen::fillCategories()
{
    const QString chosen = m_categoryFilter->currentData().toString();
    QList<Category> categories = m_appState->categories()->all();
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(categories.begin(), categories.end(),
        [&collator](const Category& a, const Category& b) { return collator.compare(a.name, b.name) < 0; });
    m_categoryFilter->clear();
    m_categoryFilter->addItem(tr("All Categories"), QString());
    for (const Category& category : categories)
        m_categoryFilter->addItem(category.name, category.id);
    selectData(m_categoryFilter, chosen);
}

void SearchScreen::focusSearch()
{
    m_searchField->setFocus(Qt::OtherFocusReason);
    m_searchField->selectAll();
}

void SearchScreen::performSearch()
{
    m_typingPause->stop();
    TransactionRepository::SearchFilter filter;
    filter.accountId = m_accountFilter->currentData().toString();
    filter.categoryId = m_categoryFilter->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.fromDate = m_fromDate->date();
        filter.toDate = m_toDate->date();
    }
    if (m_clearedOnly->isChecked())
        filter.cleared = true;

    const std::optional<QList<RegisterRow>> rows =
        m_appState->transactions()->searchTyped(m_searchField->text().trimmed(), filter);
    // Results mix accounts: each row's amount reads in its own currency.
    QHash<QString, Currency> currencies;
    for (const Account& account : m_appState->accounts()->all())
        currencies.insert(account.id, account.currency);
    m_model->setAccountCurrencies(currencies);
    m_model->setRows(rows.value_or(QList<RegisterRow>()), false);
    // The entry row is where a register takes new rows; a search has none.
    m_results->setRowHidden(m_model->entryRow(), true);
    m_failure->setVisible(!rows);
    if (!rows)
        m_failure->setText(failureText(m_appState->database()->lastFailure()));
}

void SearchScreen::openResult(const QModelIndex& index)
{
    const RegisterRow* row = m_model->rowAt(index.row());
    if (row && !row->transaction.id.isEmpty())
        Q_EMIT editTransactionRequested(row->transaction.id);
}
