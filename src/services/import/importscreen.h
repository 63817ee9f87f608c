#pragma once

#include "services/import/csvmapping.h"
#include "services/import/importresult.h"
#include "services/import/importservice.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class AppState;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QVBoxLayout;

// The import window: a format, a target account and a file; for CSV the
// columns to read with a preview of the first rows as they will be read,
// for QIF where each source account goes, for an OFX or QFX statement where
// each of its accounts goes. The import runs behind a
// progress dialog that can cancel it, and ends with the counts.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    explicit ImportScreen(AppState* appState, QWidget* parent = nullptr);

    // Back to the state of a new window: CSV, no file, accounts re-read.
    void reset();
    // Takes `paths` as the chosen file (CSV, OFX) or files (QIF), as the
    // file dialog would.
    void chooseFiles(const QStringList& paths);
    // The mapping the CSV controls describe.
    CsvMapping csvMapping() const;

Q_SIGNALS:
    void importCompleted();

public Q_SLOTS:
    void selectFile();
    void runImport();

private:
    struct QifRow
    {
        QifSource source;
        QComboBox* target = nullptr;
    };
    struct OfxRow
    {
        OfxSource source;
        QComboBox* target = nullptr;
    };

    void buildLayout();
    QGroupBox* buildCsvGroup();
    QGroupBox* buildQifGroup();
    QGroupBox* buildOfxGroup();
    // A titled group that explains itself above a scrolling column of rows,
    // one per source account; `rowsLayout` receives the column.
    QGroupBox* buildTargetGroup(const QString& title, const QString& explanation, QVBoxLayout*& rowsLayout);
    bool isQif() const;
    bool isOfx() const;
    void onFormatChanged();
    void reloadAccounts();
    QString chosenAccountId() const;

    void loadCsv(const QString& path);
    void readCsvFile();
    void showCsvMapping(const CsvMapping& mapping);
    void fillColumnCombos();
    void updatePreview();
    void onMappingEdited();

    void loadQif(const QStringList& paths);
    void clearQifRows();
    QHash<QString, QifTarget> qifTargets() const;
    // A row of a mapping list: the account as the file names it, and a
    // combo of where it goes, on `matchingAccountId` when there is one.
    QComboBox* addTargetRow(QVBoxLayout* rows, const QString& label, const QString& newAccountName,
        const QString& matchingAccountId);

    void loadOfx(const QString& path);
    void clearOfxRows();
    QHash<QString, QifTarget> ofxTargets() const;

    bool ensureTargetAccount();
    ImportResult importWithProgress(const std::function<ImportResult()>& work);
    void showResult(const ImportResult& result);

    AppState* m_appState;
    ImportService* m_service;
    // Raised while the screen fills its own controls, so that one change
    // does not re-read the file several times.
    bool m_filling = false;

    QStringList m_paths;
    QList<QStringList> m_csvRows;
    QList<QifRow> m_qifRows;
    QList<OfxRow> m_ofxRows;

    QButtonGroup* m_format = nullptr;
    QRadioButton* m_csvButton = nullptr;
    QRadioButton* m_qifButton = nullptr;
    QRadioButton* m_ofxButton = nullptr;
    QComboBox* m_account = nullptr;
    QLabel* m_fileLabel = nullptr;
    QGroupBox* m_csvGroup = nullptr;
    QComboBox* m_separator = nullptr;
    QSpinBox* m_preamble = nullptr;
    QCheckBox* m_hasHeader = nullptr;
    QComboBox* m_dateColumn = nullptr;
    QComboBox* m_payeeColumn = nullptr;
    QComboBox* m_amountColumn = nullptr;
    QComboBox* m_creditColumn = nullptr;
    QComboBox* m_memoColumn = nullptr;
    QComboBox* m_categoryColumn = nullptr;
    QComboBox* m_dateFormat = nullptr;
    QTableWidget* m_preview = nullptr;
    QGroupBox* m_qifGroup = nullptr;
    QVBoxLayout* m_qifRowsLayout = nullptr;
    QGroupBox* m_ofxGroup = nullptr;
    QVBoxLayout* m_ofxRowsLayout = nullptr;
    QPushButton* m_importButton = nullptr;
};
