#pragma once

#include "services/reports/reporttable.h"

#include <QAbstractTableModel>

// One report's table for a view, read-only: the cells' texts as the export
// writes them, amounts and counts aligned right, the totals row in bold.
// The view asks only for the rows in sight, so a report of many thousand
// rows costs no widget per cell.
class ReportTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setTable(const ReportTable& table);
    const ReportTable& table() const { return m_table; }

private:
    bool isTotalsRow(int row) const;

    ReportTable m_table;
};
