#include "services/import/importscreen.h"

#include "app/appstate.h"
#include "bookkeeping/accountservice.h"
#include "register/accountformdialog.h"
#include "services/import/csvrowreader.h"
#include "services/import/datereader.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "widgets/blockingprogressdialog.h"
#include "widgets/palette.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString createTarget = QStringLiteral("__create__");
const QString skipTarget = QStringLiteral("__skip__");
constexpr int previewRowCount = 8;
constexpr int columnCaptionLength = 20;

enum PreviewColumn { PreviewDate, PreviewPayee, PreviewAmount, PreviewMemo, PreviewCategory, PreviewColumnCount };

QComboBox* newCombo(const QString& objectName)
{
    auto* combo = new QComboBox;
    combo->setObjectName(objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void selectData(QComboBox* combo, const QVariant& data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

ImportScreen::ImportScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
    , m_service(appState->importService())
{
    buildLayout();
    reset();
}

void ImportScreen::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Import Transactions"));
    title->setFont(Palette::adjustedFont(6, QFont::DemiBold));
    layout->addWidget(title);

    auto* form = new QFormLayout;
    auto* formats = new QHBoxLayout;
    m_csvButton = new QRadioButton(tr("CSV"));
    m_qifButton = new QRadioButton(tr("QIF"));
    m_ofxButton = new QRadioButton(tr("OFX / QFX"));
    m_format = new QButtonGroup(this);
    for (QRadioButton* button : {m_csvButton, m_qifButton, m_ofxButton}) {
        m_format->addButton(button);
        formats->addWidget(button);
    }
    formats->addStretch();
    auto* formatLabel = new QLabel(tr("&Format:"));
    formatLabel->setBuddy(m_csvButton);
    form->addRow(formatLabel, formats);

    m_account = newCombo(QStringLiteral("accountCombo"));
    auto* accountLabel = new QLabel(tr("&Account:"));
    accountLabel->setBuddy(m_account);
    form->addRow(accountLabel, m_account);

    auto* file = new QHBoxLayout;
    m_fileLabel = new QLabel;
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_fileLabel->setWordWrap(true);
    auto* browse = new QPushButton(tr("Browse..."));
    file->addWidget(m_fileLabel, 1);
    file->addWidget(browse);
    form->addRow(tr("File:"), file);
    layout->addLayout(form);

    m_csvGroup = buildCsvGroup();
    m_qifGroup = buildQifGroup();
    m_ofxGroup = buildOfxGroup();
    layout->addWidget(m_csvGroup, 1);
    layout->addWidget(m_qifGroup, 1);
    layout->addWidget(m_ofxGroup, 1);

    auto* buttons = new QHBoxLayout;
    m_importButton = new QPushButton(tr("Import"));
    m_importButton->setDefault(true);
    auto* done = new QPushButton(tr("Done"));
    buttons->addStretch();
    buttons->addWidget(m_importButton);
    buttons->addWidget(done);
    layout->addLayout(buttons);

    connect(m_format, &QButtonGroup::buttonClicked, this, &ImportScreen::onFormatChanged);
    connect(browse, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(m_importButton, &QPushButton::clicked, this, &ImportScreen::runImport);
    connect(done, &QPushButton::clicked, this, &QWidget::close);
    connect(m_account, &QComboBox::currentIndexChanged, this, [this] {
        // Each account remembers how its bank's file was last read.
        if (!m_filling && !isQif() && !isOfx() && !m_csvRows.isEmpty())
            readCsvFile();
    });
}

QGroupBox* ImportScreen::buildCsvGroup()
{
    auto* group = new QGroupBox(tr("CSV Column Mapping:"));
    auto* layout = new QVBoxLayout(group);
    m_separator = newCombo(QStringLiteral("separatorCombo"));
    m_separator->addItem(tr("Comma (,)"), QChar(QLatin1Char(',')));
    m_separator->addItem(tr("Semicolon (;)"), QChar(QLatin1Char(';')));
    m_separator->addItem(tr("Tab"), QChar(QLatin1Char('\t')));
    m_preamble = new QSpinBox;
    m_preamble->setObjectName(QStringLiteral("preambleSpin"));
    m_preamble->setRange(0, 50);
    m_preamble->setToolTip(tr("Some banks put the account number and the period above the table."));
    m_hasHeader = new QCheckBox(tr("First row is header"));
    m_hasHeader->setObjectName(QStringLiteral("headerCheck"));
    m_dateColumn = newCombo(QStringLiteral("dateColumnCombo"));
    m_payeeColumn = newCombo(QStringLiteral("payeeColumnCombo"));
    m_amountColumn = newCombo(QStringLiteral("amountColumnCombo"));
    m_creditColumn = newCombo(QStringLiteral("creditColumnCombo"));
    m_creditColumn->setToolTip(
        tr("For files with separate columns for money out and money in: the amount column is then the money out."));
    m_memoColumn = newCombo(QStringLiteral("memoColumnCombo"));
    m_categoryColumn = newCombo(QStringLiteral("categoryColumnCombo"));
    m_dateFormat = newCombo(QStringLiteral("dateFormatCombo"));
    for (const QString& pattern : DateReader::csvPatterns())
        m_dateFormat->addItem(pattern, pattern);

    // Two columns of choices keep the preview in sight on a small screen.
    auto* grid = new QGridLayout;
    const QList<QPair<QString, QWidget*>> fields{{tr("Separator:"), m_separator},
        {tr("Lines before the table:"), m_preamble}, {tr("Date column:"), m_dateColumn},
        {tr("Payee column:"), m_payeeColumn}, {tr("Amount column:"), m_amountColumn},
        {tr("Credit column:"), m_creditColumn}, {tr("Memo column:"), m_memoColumn},
        {tr("Category column:"), m_categoryColumn}, {tr("Date format:"), m_dateFormat}};
    for (int index = 0; index < fields.size(); ++index) {
        const int row = index / 2;
        const int column = index % 2 * 2;
        grid->addWidget(new QLabel(fields.at(index).first), row, column);
        grid->addWidget(fields.at(index).second, row, column + 1);
    }
    grid->addWidget(m_hasHeader, int(fields.size()) / 2, 2, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    layout->addWidget(new QLabel(tr("The first rows as they will be imported:")));
    m_preview = new QTableWidget(0, PreviewColumnCount);
    m_preview->setObjectName(QStringLiteral("previewTable"));
    m_preview->setHorizontalHeaderLabels({tr("Date"), tr("Payee"), tr("Amount"), tr("Memo"), tr("Category")});
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->verticalHeader()->setVisible(false);
    m_preview->horizontalHeader()->setSectionResizeMode(PreviewPayee, QHeaderView::Stretch);
    m_preview->setAlternatingRowColors(true);
    m_preview->setWordWrap(false);
    layout->addWidget(m_preview, 1);

    connect(m_separator, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            readCsvFile();
    });
    connect(m_preamble, &QSpinBox::valueChanged, this, [this] {
        if (!m_filling) {
            fillColumnCombos();
            updatePreview();
        }
    });
    connect(m_hasHeader, &QCheckBox::toggled, this, &ImportScreen::onMappingEdited);
    for (QComboBox* combo :
        {m_dateColumn, m_payeeColumn, m_amountColumn, m_creditColumn, m_memoColumn, m_categoryColumn, m_dateFormat}) {
        connect(combo, &QComboBox::currentIndexChanged, this, &ImportScreen::onMappingEdited);
    }
    return group;
}

QGroupBox* ImportScreen::buildQifGroup()
{
    return buildTargetGroup(tr("QIF source accounts:"),
        tr("Choose where each Quicken account should be imported. Accounts mapped across the selected files will have "
           "their transfers linked automatically."),
        m_qifRowsLayout);
}

QGroupBox* ImportScreen::buildOfxGroup()
{
    return buildTargetGroup(tr("Statement accounts:"),
        tr("Choose where each account of the statement should be imported. Rows imported from an earlier statement "
           "are skipped, so overlapping statements can be imported safely."),
        m_ofxRowsLayout);
}

QGroupBox* ImportScreen::buildTargetGroup(const QString& title, const QString& explanation, QVBoxLayout*& rowsLayout)
{
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    auto* note = new QLabel(explanation);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* rows = new QWidget;
    rowsLayout = new QVBoxLayout(rows);
    rowsLayout->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(rows);
    layout->addWidget(scroll, 1);
    return group;
}

void ImportScreen::reset()
{
    const QScopedValueRollback filling(m_filling, true);
    m_csvButton->setChecked(true);
    m_paths.clear();
    m_csvRows.clear();
    clearQifRows();
    clearOfxRows();
    m_fileLabel->setText(tr("No file selected"));
    reloadAccounts();
    showCsvMapping(CsvMapping());
    onFormatChanged();
}

bool ImportScreen::isQif() const
{
    return m_qifButton->isChecked();
}

bool ImportScreen::isOfx() const
{
    return m_ofxButton->isChecked();
}

void ImportScreen::onFormatChanged()
{
    m_csvGroup->setVisible(m_csvButton->isChecked());
    m_qifGroup->setVisible(isQif());
    m_ofxGroup->setVisible(isOfx());
    // QIF files and statements name their own accounts.
    m_account->setEnabled(m_csvButton->isChecked());
    m_paths.clear();
    m_csvRows.clear();
    clearQifRows();
    clearOfxRows();
    m_fileLabel->setText(tr("No file selected"));
    updatePreview();
}

void ImportScreen::reloadAccounts()
{
    const QScopedValueRollback filling(m_filling, true);
    const QString previous = chosenAccountId();
    m_account->clear();
    for (const Account& account : m_appState->accounts()->all())
        m_account->addItem(account.name, account.id);
    const QString current = previous.isEmpty() ? m_appState->currentAccountId() : previous;
    selectData(m_account, current);
}

QString ImportScreen::chosenAccountId() const
{
    return m_account->currentData().toString();
}

void ImportScreen::selectFile()
{
    if (isQif()) {
        const QStringList paths =
            QFileDialog::getOpenFileNames(this, tr("Select QIF File(s)"), QString(), tr("QIF Files (*.qif)"));
        if (!paths.isEmpty())
            chooseFiles(paths);
        return;
    }
    if (isOfx()) {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Select Statement"), QString(), tr("Bank Statements (*.ofx *.qfx);;All Files (*)"));
        if (!path.isEmpty())
            chooseFiles({path});
        return;
    }
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Select File"), QString(), tr("CSV Files (*.csv);;All Files (*)"));
    if (!path.isEmpty())
        chooseFiles({path});
}

void ImportScreen::chooseFiles(const QStringList& paths)
{
    if (paths.isEmpty())
        return;
    if (isQif())
        loadQif(paths);
    else if (isOfx())
        loadOfx(paths.constFirst());
    else
        loadCsv(paths.constFirst());
}

void ImportScreen::loadCsv(const QString& path)
{
    m_paths = {path};
    m_fileLabel->setText(QFileInfo(path).fileName());
    {
        // A new file is read with the separator found in it.
        const QScopedValueRollback filling(m_filling, true);
        m_separator->setCurrentIndex(-1);
    }
    readCsvFile();
}

// Reads the chosen file with the chosen separator (or the one found in it)
// and shows the mapping remembered for the account, else the one proposed.
void ImportScreen::readCsvFile()
{
    if (m_paths.isEmpty())
        return;
    const QVariant separator = m_separator->currentData();
    const std::optional<CsvPreview> preview =
        m_service->previewCsv(m_paths.constFirst(), separator.isValid() ? std::optional(separator.toChar()) : std::nullopt);
    if (!preview) {
        m_csvRows.clear();
        updatePreview();
        QMessageBox::warning(this, tr("Import Transactions"),
            tr("The file %1 could not be read.").arg(QFileInfo(m_paths.constFirst()).fileName()));
        return;
    }
    m_csvRows = preview->rows;
    CsvMapping mapping = preview->mapping;
    const std::optional<CsvMapping> saved = m_service->savedCsvMapping(chosenAccountId());
    // A remembered mapping fits when it reads this file the same way.
    if (saved && saved->separator == mapping.separator)
        mapping = *saved;
    showCsvMapping(mapping);
}

void ImportScreen::showCsvMapping(const CsvMapping& mapping)
{
    {
        const QScopedValueRollback filling(m_filling, true);
        selectData(m_separator, mapping.separator);
        m_preamble->setValue(mapping.preambleRows);
        m_hasHeader->setChecked(mapping.hasHeader);
        fillColumnCombos();
        selectData(m_dateColumn, mapping.dateColumn);
        selectData(m_payeeColumn, mapping.payeeColumn);
        selectData(m_amountColumn, mapping.amountColumn);
        selectData(m_creditColumn, mapping.creditColumn);
        selectData(m_memoColumn, mapping.memoColumn);
        selectData(m_categoryColumn, mapping.categoryColumn);
        selectData(m_dateFormat, mapping.dateFormat);
    }
    updatePreview();
}

// "Col 1: Date" for each column of the first row after the preamble; the
// optional columns start with "(none)". Each combo keeps its column.
void ImportScreen::fillColumnCombos()
{
    const QScopedValueRollback filling(m_filling, true);
    const QStringList first = m_csvRows.value(m_preamble->value());
    int columns = 0;
    for (const QStringList& row : std::as_const(m_csvRows))
        columns = std::max(columns, int(row.size()));
    columns = std::max(columns, 3);
    const QList<QComboBox*> optional{m_creditColumn, m_memoColumn, m_categoryColumn};
    for (QComboBox* combo : {m_dateColumn, m_payeeColumn, m_amountColumn, m_creditColumn, m_memoColumn, m_categoryColumn}) {
        const QVariant previous = combo->currentData();
        combo->clear();
        if (optional.contains(combo))
            combo->addItem(tr("(none)"), -1);
        for (int column = 0; column < columns; ++column) {
            const QString caption = column < first.size()
                ? tr("Col %1: %2").arg(column + 1).arg(first.at(column).left(columnCaptionLength))
                : tr("Column %1").arg(column + 1);
            combo->addItem(caption, column);
        }
        selectData(combo, previous);
    }
}

CsvMapping ImportScreen::csvMapping() const
{
    CsvMapping mapping;
    mapping.dateColumn = m_dateColumn->currentData().toInt();
    mapping.payeeColumn = m_payeeColumn->currentData().toInt();
    mapping.amountColumn = m_amountColumn->currentData().toInt();
    mapping.creditColumn = m_creditColumn->currentData().toInt();
    mapping.memoColumn = m_memoColumn->currentData().toInt();
    mapping.categoryColumn = m_categoryColumn->currentData().toInt();
    mapping.hasHeader = m_hasHeader->isChecked();
    mapping.dateFormat = m_dateFormat->currentData().toString();
    mapping.separator = m_separator->currentData().toChar();
    mapping.preambleRows = m_preamble->value();
    return mapping;
}

void ImportScreen::onMappingEdited()
{
    if (!m_filling)
        updatePreview();
}

// The first data rows as the import will read them; a row it would skip
// says why, in the warning colour.
void ImportScreen::updatePreview()
{
    const CsvMapping mapping = csvMapping();
    const int firstRow = mapping.preambleRows + (mapping.hasHeader ? 1 : 0);
    const QList<QStringList> rows = m_csvRows.mid(firstRow, previewRowCount);
    const std::optional<Account> account = m_appState->accounts()->byId(chosenAccountId());
    const Currency currency = account ? account->currency : Currency::USD;
    m_preview->setRowCount(int(rows.size()));
    const QLocale locale;
    for (int row = 0; row < rows.size(); ++row) {
        QString problem;
        const std::optional<CsvRow> reading = CsvRowReader::read(rows.at(row), mapping, currency, &problem);
        QStringList cells(PreviewColumnCount);
        if (reading) {
            cells[PreviewDate] = locale.toString(reading->date, QLocale::ShortFormat);
            cells[PreviewPayee] = reading->payee;
            cells[PreviewAmount] = formatCurrency(reading->amount, currency, AmountFormat::shown());
            cells[PreviewMemo] = reading->memo;
            cells[PreviewCategory] = reading->category;
        } else {
            cells[PreviewPayee] = problem;
        }
        for (int column = 0; column < PreviewColumnCount; ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (column == PreviewAmount)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!reading)
                item->setForeground(Palette::negative());
            m_preview->setItem(row, column, item);
        }
    }
    m_preview->resizeColumnToContents(PreviewDate);
    m_preview->resizeColumnToContents(PreviewAmount);
}

void ImportScreen::loadQif(const QStringList& paths)
{
    m_paths = paths;
    m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(paths.size())));
    clearQifRows();
    const QString selected = m_fileLabel->text();
    m_fileLabel->setText(tr("Analyzing QIF file(s)..."));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<QifSource> sources = m_service->analyzeQif(paths);
    QApplication::restoreOverrideCursor();
    m_fileLabel->setText(selected);
    for (const QifSource& source : sources) {
        // An account of the same name is where its transactions most likely belong.
        QComboBox* target = addTargetRow(m_qifRowsLayout,
            tr("%1 (%n transaction(s))", nullptr, source.transactionCount).arg(source.name), source.newAccountName,
            source.matchingAccountId);
        target->setObjectName(QStringLiteral("qifTarget"));
        m_qifRows.append({source, target});
    }
    if (sources.isEmpty()) {
        QMessageBox::information(this, tr("Import Transactions"),
            tr("No transactions were found in the selected file(s)."));
    }
}

QComboBox* ImportScreen::addTargetRow(QVBoxLayout* rows, const QString& label, const QString& newAccountName,
    const QString& matchingAccountId)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* target = new QComboBox;
    target->setMinimumWidth(280);
    target->addItem(tr("— Create new account \"%1\" —").arg(newAccountName), createTarget);
    target->addItem(tr("— Skip these transactions —"), skipTarget);
    for (const Account& account : m_appState->accounts()->all())
        target->addItem(account.name, account.id);
    if (!matchingAccountId.isEmpty())
        selectData(target, matchingAccountId);
    layout->addWidget(new QLabel(label), 1);
    layout->addWidget(target);
    rows->insertWidget(rows->count() - 1, row);
    return target;
}

void ImportScreen::loadOfx(const QString& path)
{
    clearOfxRows();
    const std::optional<QList<OfxSource>> sources = m_service->analyzeOfx(path);
    if (!sources) {
        m_paths.clear();
        m_fileLabel->setText(tr("No file selected"));
        QMessageBox::warning(this, tr("Import Transactions"),
            tr("The file %1 is not an OFX or QFX bank statement.").arg(QFileInfo(path).fileName()));
        return;
    }
    m_paths = {path};
    m_fileLabel->setText(QFileInfo(path).fileName());
    for (const OfxSource& source : *sources) {
        const QString label = source.currency.isEmpty()
            ? tr("%1 (%n transaction(s))", nullptr, source.transactionCount).arg(source.description)
            : tr("%1, %2 (%n transaction(s))", nullptr, source.transactionCount).arg(source.description, source.currency);
        QComboBox* target = addTargetRow(m_ofxRowsLayout, label, source.newAccountName, source.matchingAccountId);
        target->setObjectName(QStringLiteral("ofxTarget"));
        m_ofxRows.append({source, target});
    }
}

void ImportScreen::clearOfxRows()
{
    for (const OfxRow& row : std::as_const(m_ofxRows))
        delete row.target->parentWidget();
    m_ofxRows.clear();
}

QHash<QString, QifTarget> ImportScreen::ofxTargets() const
{
    QHash<QString, QifTarget> targets;
    for (const OfxRow& row : m_ofxRows) {
        const QString choice = row.target->currentData().toString();
        if (choice == createTarget)
            targets.insert(row.source.key, QifTarget::create(row.source.newAccountName, row.source.suggestedType));
        else if (choice != skipTarget)
            targets.insert(row.source.key, QifTarget::existing(choice));
    }
    return targets;
}

void ImportScreen::clearQifRows()
{
    for (const QifRow& row : std::as_const(m_qifRows))
        delete row.target->parentWidget();
    m_qifRows.clear();
}

QHash<QString, QifTarget> ImportScreen::qifTargets() const
{
    // New accounts take the currency of the accounts already kept.
    const QList<Account> accounts = m_appState->accounts()->all();
    const Currency currency = accounts.isEmpty() ? Currency::USD : accounts.constFirst().currency;
    QHash<QString, QifTarget> targets;
    for (const QifRow& row : m_qifRows) {
        const QString choice = row.target->currentData().toString();
        if (choice == skipTarget)
            targets.insert(row.source.name, QifTarget::skip());
        else if (choice == createTarget)
            targets.insert(row.source.name,
                QifTarget::create(row.source.newAccountName, row.source.suggestedType, currency));
        else
            targets.insert(row.source.name, QifTarget::existing(choice));
    }
    return targets;
}

void ImportScreen::runImport()
{
    if (m_paths.isEmpty()) {
        QMessageBox::information(this, tr("Import Transactions"), tr("Choose a file to import first."));
        return;
    }
    if (isOfx()) {
        const QString path = m_paths.constFirst();
        const QHash<QString, QifTarget> targets = ofxTargets();
        showResult(importWithProgress([&] { return m_service->importOfx(path, targets); }));
        // The accounts it made or chose are where this bank's next statement goes.
        reloadAccounts();
        loadOfx(path);
        return;
    }
    if (isQif()) {
        const QStringList paths = m_paths;
        const QHash<QString, QifTarget> targets = qifTargets();
        showResult(importWithProgress([&] { return m_service->importQif(paths, targets); }));
        // The accounts it made are where the same files would go next time.
        reloadAccounts();
        loadQif(paths);
        return;
    }
    if (!ensureTargetAccount())
        return;
    const QString accountId = chosenAccountId();
    const CsvMapping mapping = csvMapping();
    const ImportResult result =
        importWithProgress([&] { return m_service->importCsv(m_paths.constFirst(), accountId, mapping); });
    // Next month's file from the same bank reads the same way.
    if (!result.aborted && !m_service->saveCsvMapping(accountId, mapping))
        qWarning("The column mapping could not be remembered");
    showResult(result);
}

// With no account to import into, offers to create one now, as the
// new-account dialog does.
bool ImportScreen::ensureTargetAccount()
{
    if (!chosenAccountId().isEmpty())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(this, tr("No target account"),
        tr("Pick an account to import into, or create one now."), QMessageBox::Yes | QMessageBox::No,
        QMessageBox::Yes);
    if (answer != QMessageBox::Yes)
        return false;
    AccountFormDialog dialog(this);
    // A refused save reopens the form with everything as typed.
    while (dialog.exec() == QDialog::Accepted) {
        const WriteOutcome outcome = m_appState->accountService()->create(dialog.account(), dialog.asOfDate());
        if (outcome.ok()) {
            reloadAccounts();
            selectData(m_account, outcome.id);
            return true;
        }
        QMessageBox::warning(this, tr("New Account"),
            QStringLiteral("%1\n\n%2").arg(tr("The account could not be created."), outcome.message));
    }
    return false;
}

ImportResult ImportScreen::importWithProgress(const std::function<ImportResult()>& work)
{
    BlockingProgressDialog progress(tr("Importing..."), this);
    const auto started = connect(m_service, &ImportService::importStarted, &progress,
        [&progress](int total) { progress.setProgress(0, total); });
    const auto advanced = connect(m_service, &ImportService::importProgress, &progress, &BlockingProgressDialog::setProgress);
    connect(&progress, &QProgressDialog::canceled, m_service, &ImportService::cancel);
    const ImportResult result = work();
    disconnect(started);
    disconnect(advanced);
    return result;
}

void ImportScreen::showResult(const ImportResult& result)
{
    const auto message = [](const QString& headline, const QString& details) {
        return headline + QStringLiteral("\n\n") + details;
    };
    if (result.cancelled) {
        QMessageBox::information(this, tr("Import Transactions"),
            message(tr("Import cancelled."),
                tr("The import was stopped and all changes were rolled back. No transactions were added.")));
    } else if (result.refused) {
        QMessageBox::warning(this, tr("Import Transactions"), message(tr("Import refused."), result.failureReason));
    } else if (result.aborted) {
        QMessageBox::warning(this, tr("Import Transactions"),
            message(tr("Import failed."),
                tr("A database error stopped the import and all changes were rolled back. No transactions were "
                   "added.")));
    } else {
        QMessageBox::information(
            this, tr("Import Transactions"), message(tr("Import complete!"), result.summaryLines().join(QLatin1Char('\n'))));
    }
    Q_EMIT importCompleted();
}
