#include "services/categories/categorynamedialog.h"

#include "storage/textlimits.h"
#include "widgets/palette.h"
#include "widgets/storedtextedit.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

constexpr int minimumDialogWidth = 360;

} // namespace

CategoryNameDialog::CategoryNameDialog(const QString& title, const QString& name, Save save, QWidget* parent)
    : QDialog(parent)
    , m_save(std::move(save))
    , m_name(new QLineEdit(this))
    , m_refusal(new QLabel(this))
{
    setWindowTitle(title);
    setMinimumWidth(minimumDialogWidth);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Category name:"), this);
    label->setBuddy(m_name);
    layout->addWidget(label);

    m_name->setObjectName(QStringLiteral("categoryNameField"));
    showStoredText(m_name, name, maxNameLength);
    m_name->selectAll();
    layout->addWidget(m_name);

    m_refusal->setObjectName(QStringLiteral("refusalLabel"));
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(Palette::textColorStyle(Palette::negative()));
    m_refusal->hide();
    layout->addWidget(m_refusal);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CategoryNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CategoryNameDialog::reject);
    layout->addWidget(buttons);
    m_name->setFocus();
}

void CategoryNameDialog::accept()
{
    m_outcome = m_save(m_name->text());
    if (m_outcome.ok()) {
        QDialog::accept();
        return;
    }
    if (m_outcome.status == WriteOutcome::Status::Failed) {
        QMessageBox::warning(this, windowTitle(), tr("The category could not be saved.\n\n%1").arg(m_outcome.message));
    } else {
        m_refusal->setText(m_outcome.message);
        m_refusal->show();
    }
    m_name->setFocus();
}
