#pragma once
// A list view in report view: rows of text cells under clickable column headers. A right click
// first selects the row under the cursor (keeping a multi-row selection it falls into) and then
// reports it, so the popup menu that follows always acts on the row the user pointed at.
#include "util/text.h"

#include <QTableWidget>

#include <span>
#include <vector>

namespace dalmiro {

struct ColumnSpec;

class ListView : public QTableWidget {
    Q_OBJECT
  public:
    ListView(QWidget* parent, std::span<const ColumnSpec> columns);

    int SelectedRow() const; // the first selected row, -1 when none
    std::vector<int> SelectedRows() const;
    void SelectOnly(int row); // -1 clears the selection
    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text); // ignored outside the list
    int AppendRow();
    void DeleteRow(int row);
    void Clear();

  signals:
    void rightClicked(int row);    // row under the cursor, -1 over empty space
    void doubleClickedAt(int row); // row under the cursor, -1 over empty space

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace dalmiro
