#include "gui/list_view.h"

#include "app/layout.h"
#include "gui/gui_text.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include <algorithm>

namespace dalmiro {

ListView::ListView(QWidget* parent, std::span<const ColumnSpec> columns)
    : QTableWidget(0, static_cast<int>(columns.size()), parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false); // the program sorts by its own rules
    setWordWrap(false);
    setShowGrid(true);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setMinimumSectionSize(0); // a zero-wide column stays zero wide
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QStringList titles;
    for (const ColumnSpec& column : columns)
        titles << FromUtf8(column.title);
    setHorizontalHeaderLabels(titles);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i)
        setColumnWidth(i, columns[static_cast<size_t>(i)].width);
}

int ListView::SelectedRow() const {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> ListView::SelectedRows() const {
    std::vector<int> rows;
    if (selectionModel() == nullptr)
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListView::SelectOnly(int row) {
    clearSelection();
    if (row < 0 || row >= rowCount())
        return;
    selectRow(row);
    setCurrentCell(row, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QString ListView::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? QString() : cell->text();
}

void ListView::SetCellText(int row, int column, const QString& text) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return;
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
        return;
    }
    setItem(row, column, std::make_unique<QTableWidgetItem>(text).release());
}

int ListView::AppendRow() {
    const int row = rowCount();
    insertRow(row);
    return row;
}

void ListView::DeleteRow(int row) {
    if (row >= 0 && row < rowCount())
        removeRow(row);
}

void ListView::Clear() {
    clearContents();
    setRowCount(0);
}

void ListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) {
        QTableWidget::mousePressEvent(event);
        return;
    }
    const int row = rowAt(event->position().toPoint().y());
    if (row >= 0 && !selectionModel()->isRowSelected(row, QModelIndex()))
        SelectOnly(row);
    event->accept();
    emit rightClicked(row);
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClickedAt(rowAt(event->position().toPoint().y()));
}

} // namespace dalmiro
