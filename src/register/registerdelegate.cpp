#include "register/registerdelegate.h"

#include "app/appstate.h"
#include "widgets/categorychoices.h"
#include "widgets/datetext.h"
#include "widgets/palette.h"
#include "register/payeememoeditor.h"
#include "register/registercombobox.h"
#include "register/registerlineedit.h"
#include "register/registermodel.h"
#include "register/smartdateedit.h"
#include "widgets/storedtextedit.h"
#include "register/tabcompleter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/payeelist.h"
#include "storage/textlimits.h"
#include "storage/transactionrepository.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QTableView>

namespace {

constexpr int twoLineRowHeight = 52;
constexpr int firstLineHeight = 36;
constexpr int textInset = 4;

// The most a user may type into the line edit of `column`; none for the
// columns whose texts have no limit of their own.
std::optional<int> typedLengthLimit(int column)
{
    switch (column) {
    case RegisterModel::PayeeColumn: return maxNameLength;
    case RegisterModel::MemoColumn: return maxMemoLength;
    default: return std::nullopt;
    }
}

void showCellText(QLineEdit* edit, const QString& text, int column)
{
    if (const std::optional<int> limit = typedLengthLimit(column))
        showStoredText(edit, text, *limit);
    else
        edit->setText(text);
}

QRect firstLine(const QRect& cell)
{
    return QRect(cell.left(), cell.top(), cell.width(), std::min(firstLineHeight, cell.height()));
}

Qt::Alignment firstLineAlignment(int column)
{
    switch (column) {
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn:
        return Qt::AlignRight | Qt::AlignVCenter;
    case RegisterModel::ClearedColumn:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// A balance shown with a minus sign or in accounting brackets is painted in
// the negative colour.
bool readsNegative(const QString& text, Currency currency, const AmountFormat& format)
{
    QString digits = text;
    digits.remove(QLatin1Char('$')).remove(QLatin1Char('(')).remove(QLatin1Char(')'));
    const std::optional<qint64> value = tryParseAmount(digits, currency, format);
    return (value && *value < 0) || text.contains(QLatin1Char('('));
}

// Room around an entry's text in a drop-down list.
constexpr int listTextMargin = 24;

int widestText(const QComboBox* comboBox)
{
    int widest = 0;
    for (int item = 0; item < comboBox->count(); ++item)
        widest = std::max(widest, comboBox->fontMetrics().horizontalAdvance(comboBox->itemText(item)));
    return widest;
}

} // namespace

RegisterDelegate::RegisterDelegate(AppState* appState, RegisterModel* model, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_appState(appState)
    , m_model(model)
{
}

void RegisterDelegate::setAccountId(const QString& accountId)
{
    m_accountId = accountId;
}

void RegisterDelegate::setTwoLine(bool twoLine)
{
    m_twoLine = twoLine;
}

void RegisterDelegate::autoFillFromPayee(int row, const QString& payee, QWidget* payeeEditor) const
{
    if (payee.isEmpty() || !m_model->isEntryRow(row))
        return;
    const std::optional<Transaction> last = m_appState->transactions()->lastByPayee(payee, m_accountId);
    if (!last)
        return;
    const Currency currency = m_model->currency();
    const bool payment = last->amount < 0;
    const AmountFormat& format = m_model->amountFormat();
    m_model->setBufferText(RegisterModel::PaymentColumn, payment ? formatAmount(-last->amount, currency, format) : QString());
    m_model->setBufferText(RegisterModel::DepositColumn, payment ? QString() : formatAmount(last->amount, currency, format));
    if (!last->categoryId.isEmpty()) {
        if (const std::optional<Category> category = m_appState->categories()->byId(last->categoryId)) {
            m_model->setBufferText(RegisterModel::CategoryColumn, category->name);
            m_model->setCategoryIdText(category->id);
        }
    }
    if (!last->memo.isEmpty()) {
        m_model->setBufferText(RegisterModel::MemoColumn, last->memo);
        if (auto* container = qobject_cast<PayeeMemoEditor*>(payeeEditor ? payeeEditor->parentWidget() : nullptr))
            showStoredText(container->memoEdit(), last->memo, maxMemoLength);
    }
    m_model->notifyRowChanged(row);
}

QStringList RegisterDelegate::payeeChoices() const
{
    QStringList choices = m_appState->payees()->completions();
    for (const Account& account : m_appState->accounts()->all()) {
        const QString transferChoice = QStringLiteral("[Transfer] %1").arg(account.name);
        if (account.id == m_accountId || transferChoice.size() > maxNameLength)
            continue;
        if (!choices.contains(transferChoice))
            choices.append(transferChoice);
    }
    return choices;
}

void RegisterDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (m_twoLine)
        paintTwoLine(painter, option, index);
    else
        QStyledItemDelegate::paint(painter, option, index);
}

QSize RegisterDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_twoLine)
        size.setHeight(twoLineRowHeight);
    return size;
}

QWidget* RegisterDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    QWidget* editor = nullptr;
    switch (index.column()) {
    case RegisterModel::DateColumn:
        editor = new SmartDateEdit(parent);
        break;
    case RegisterModel::PayeeColumn:
        return m_twoLine ? createPayeeMemoEditor(parent, index) : createPayeeEditor(parent, index);
    case RegisterModel::CategoryColumn:
        return createCategoryEditor(parent);
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn: {
        auto* amountEdit = new RegisterLineEdit(parent);
        amountEdit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        editor = amountEdit;
        break;
    }
    case RegisterModel::ClearedColumn: {
        auto* clearedEdit = new RegisterLineEdit(parent);
        clearedEdit->setMaxLength(1);
        clearedEdit->setAlignment(Qt::AlignCenter);
        editor = clearedEdit;
        break;
    }
    default: {
        auto* lineEdit = new RegisterLineEdit(parent);
        if (const std::optional<int> limit = typedLengthLimit(index.column()))
            lineEdit->setMaxLength(*limit);
        editor = lineEdit;
        break;
    }
    }
    editor->setFocusPolicy(Qt::ClickFocus);
    return editor;
}

void RegisterDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* dateEdit = qobject_cast<SmartDateEdit*>(editor)) {
        if (const std::optional<QDate> date = resolveTypedDate(text))
            dateEdit->setDate(*date);
    } else if (auto* payeeMemoEditor = qobject_cast<PayeeMemoEditor*>(editor)) {
        showCellText(payeeMemoEditor->payeeEdit(), text, RegisterModel::PayeeColumn);
        const QString memo = index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::EditRole).toString();
        showCellText(payeeMemoEditor->memoEdit(), memo, RegisterModel::MemoColumn);
    } else if (auto* comboBox = qobject_cast<RegisterComboBox*>(editor)) {
        // The chosen category is found by its id first: the buffer holds a
        // child category by its own name, the list by "Parent > Child".
        const int chosen = comboBox->findData(m_model->buffer().categoryIdText);
        const bool hasChosenItem = m_model->isBufferRow(index.row()) && !m_model->buffer().categoryIdText.isEmpty() && chosen > 0;
        comboBox->showCategoryText(hasChosenItem ? comboBox->itemText(chosen) : text);
    } else if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        showCellText(lineEdit, text, index.column());
    }
}

void RegisterDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    if (auto* dateEdit = qobject_cast<SmartDateEdit*>(editor)) {
        // Text that is no possible date stays as typed, for the save to refuse.
        const std::optional<QDate> typed = dateEdit->typedDate();
        model->setData(index, typed ? registerDateText(*typed) : dateEdit->text(), Qt::EditRole);
    } else if (auto* payeeMemoEditor = qobject_cast<PayeeMemoEditor*>(editor)) {
        QLineEdit* payeeEdit = payeeMemoEditor->payeeEdit();
        m_model->setBufferText(RegisterModel::MemoColumn, payeeMemoEditor->memoEdit()->text());
        m_model->setBufferText(RegisterModel::PayeeColumn, payeeEdit->text());
        m_model->notifyRowChanged(index.row());
        autoFillFromPayee(index.row(), payeeEdit->text().trimmed(), payeeEdit);
    } else if (auto* comboBox = qobject_cast<RegisterComboBox*>(editor)) {
        writeCategory(comboBox, index);
    } else if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, lineEdit->text(), Qt::EditRole);
        if (index.column() == RegisterModel::PayeeColumn)
            autoFillFromPayee(index.row(), lineEdit->text().trimmed(), lineEdit);
    }
}

void RegisterDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!m_twoLine) {
        QStyledItemDelegate::updateEditorGeometry(editor, option, index);
        return;
    }
    editor->setGeometry(index.column() == RegisterModel::PayeeColumn ? option.rect : firstLine(option.rect));
}

QWidget* RegisterDelegate::createPayeeEditor(QWidget* parent, const QModelIndex& index) const
{
    auto* payeeEdit = new RegisterLineEdit(parent);
    payeeEdit->setFocusPolicy(Qt::ClickFocus);
    payeeEdit->setMaxLength(maxNameLength);
    attachPayeeCompleter(payeeEdit, index);
    return payeeEdit;
}

QWidget* RegisterDelegate::createPayeeMemoEditor(QWidget* parent, const QModelIndex& index) const
{
    auto* editor = new PayeeMemoEditor(parent);
    attachPayeeCompleter(editor->payeeEdit(), index);
    return editor;
}

QWidget* RegisterDelegate::createCategoryEditor(QWidget* parent) const
{
    auto* comboBox = new RegisterComboBox(parent);
    comboBox->setEditable(true);
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    comboBox->addItem(QString(), QString());
    for (const CategoryChoice& choice : categoryChoices(m_appState->categories()->all()))
        comboBox->addItem(choice.text, choice.id);
    auto* completer = new TabCompleter(comboBox->model(), comboBox);
    comboBox->setCompleter(completer);
    // The lists are as wide as their longest entry, however narrow the column.
    const int listWidth = widestText(comboBox) + comboBox->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + listTextMargin;
    comboBox->view()->setMinimumWidth(listWidth);
    completer->popup()->setMinimumWidth(listWidth);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), comboBox, [comboBox](const QString& text) {
        const int item = comboBox->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            comboBox->setCurrentIndex(item);
    });
    comboBox->setFocusPolicy(Qt::ClickFocus);
    return comboBox;
}

void RegisterDelegate::attachPayeeCompleter(QLineEdit* payeeEdit, const QModelIndex& index) const
{
    auto* completer = new TabCompleter(payeeChoices(), payeeEdit);
    payeeEdit->setCompleter(completer);
    const QPersistentModelIndex cell(index);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), payeeEdit, [this, cell, payeeEdit](const QString& payee) {
        if (!cell.isValid() || !m_model->isEntryRow(cell.row()))
            return;
        // The chosen payee is in the buffer before the row repaints, so the
        // repaint cannot put the old text back into the editor.
        m_model->setBufferText(RegisterModel::PayeeColumn, payeeEdit->text());
        autoFillFromPayee(cell.row(), payee.trimmed(), payeeEdit);
    });
}

void RegisterDelegate::writeCategory(RegisterComboBox* comboBox, const QModelIndex& index) const
{
    const QString text = comboBox->currentText();
    QString categoryId = comboBox->typedCategoryId();
    // A category shown by its own name that was left as it stood keeps its id.
    if (categoryId.isEmpty() && !text.isEmpty() && text == m_model->buffer().categoryText)
        categoryId = m_model->buffer().categoryIdText;
    // The id goes first: the text's change signal refreshes the open editor
    // from the buffer, and it must find the new category there.
    m_model->setCategoryIdText(categoryId);
    m_model->setData(index, text, Qt::EditRole);
}

void RegisterDelegate::paintTwoLine(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem panel = option;
    initStyleOption(&panel, index);
    const QPalette& palette = option.palette;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QColor background = palette.color(index.row() % 2 == 0 ? QPalette::Base : QPalette::AlternateBase);
    const int column = index.column();

    painter->save();
    painter->fillRect(option.rect, background);
    panel.rect = column == RegisterModel::PayeeColumn ? option.rect : firstLine(option.rect);
    panel.text.clear();
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &panel, painter, option.widget);

    const QRect textRect = option.rect.adjusted(textInset, 0, -textInset, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    const QVariant foreground = index.data(Qt::ForegroundRole);
    QColor textColor = foreground.canConvert<QColor>() && foreground.isValid() ? foreground.value<QColor>() : palette.color(QPalette::Text);
    if (column == RegisterModel::BalanceColumn && readsNegative(text, m_model->currency(), m_model->amountFormat()))
        textColor = Palette::negative();
    if (selected)
        textColor = palette.color(QPalette::HighlightedText);
    const QVariant font = index.data(Qt::FontRole);
    painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
    painter->setPen(textColor);
    painter->drawText(firstLine(textRect), static_cast<int>(firstLineAlignment(column)), text);

    const bool drawsMemo = column == RegisterModel::PayeeColumn || column == RegisterModel::CategoryColumn;
    if (drawsMemo) {
        const QString memo = index.siblingAtColumn(RegisterModel::MemoColumn).data(Qt::DisplayRole).toString();
        QRect memoRect(textRect.left(), option.rect.top() + firstLineHeight, textRect.width(), option.rect.height() - firstLineHeight);
        const auto* table = qobject_cast<const QTableView*>(option.widget);
        if (column == RegisterModel::CategoryColumn && table) {
            // The memo line spans the Payee and Category columns.
            const QHeaderView* header = table->horizontalHeader();
            const int left = header->sectionViewportPosition(RegisterModel::PayeeColumn) + textInset;
            const int right = header->sectionViewportPosition(RegisterModel::CategoryColumn)
                + header->sectionSize(RegisterModel::CategoryColumn) - textInset;
            memoRect.setLeft(left);
            memoRect.setRight(right);
        }
        painter->setFont(PayeeMemoEditor::memoFont(option.font));
        painter->setPen(selected ? palette.color(QPalette::HighlightedText) : Palette::muted());
        painter->drawText(memoRect, Qt::AlignLeft | Qt::AlignVCenter, memo);
    }
    painter->restore();
}
