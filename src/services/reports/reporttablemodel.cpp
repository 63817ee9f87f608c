#include "services/reports/reporttablemodel.h"

#include <QFont>

ReportTableModel::ReportTableModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int ReportTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.rows.size());
}

int ReportTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_table.headers.size());
}

QVariant ReportTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_table.rows.at(index.row()).value(index.column());
    case Qt::TextAlignmentRole:
        if (m_table.numberColumns.contains(index.column()))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant();
    case Qt::FontRole:
        if (isTotalsRow(index.row())) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_table.headers.size())
        return m_table.headers.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void ReportTableModel::setTable(const ReportTable& table)
{
    beginResetModel();
    m_table = table;
    endResetModel();
}

bool ReportTableModel::isTotalsRow(int row) const
{
    return m_table.endsWithTotals && row == m_table.rows.size() - 1;
}
