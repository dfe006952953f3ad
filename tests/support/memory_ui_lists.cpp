// The combo-box and list-view operations of the in-memory Ui.
#include "support/memory_ui.h"

#include <algorithm>

namespace dalmiro::test {
namespace {

bool InRange(int index, size_t size) {
    return index >= 0 && static_cast<size_t>(index) < size;
}

} // namespace

int MemoryUi::ComboSelectedIndex(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->selectedItem : -1;
}

void MemoryUi::SetComboSelectedIndex(WindowId window, std::string_view name, int index) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name))
        control->selectedItem = InRange(index, control->items.size()) ? index : -1;
}

Text MemoryUi::ComboItemText(WindowId window, std::string_view name, int index) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr && InRange(index, control->items.size()) ? control->items[index]
                                                                       : Text();
}

int MemoryUi::ComboItemCount(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? static_cast<int>(control->items.size()) : 0;
}

void MemoryUi::ComboClear(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name)) {
        control->items.clear();
        control->selectedItem = -1;
    }
}

void MemoryUi::ComboInsertItem(WindowId window, std::string_view name, int index,
                               const Text& text) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control == nullptr)
        return;
    // An index outside the items appends.
    const int count = static_cast<int>(control->items.size());
    const int at = index >= 0 && index <= count ? index : count;
    control->items.insert(control->items.begin() + at, text);
    if (control->selectedItem >= at)
        ++control->selectedItem;
}

int MemoryUi::ListSelectedRow(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr && !control->selectedRows.empty() ? control->selectedRows.front()
                                                                : -1;
}

std::vector<int> MemoryUi::ListSelectedRows(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? control->selectedRows : std::vector<int>();
}

void MemoryUi::SetListSelectedRow(WindowId window, std::string_view name, int row) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control == nullptr)
        return;
    control->selectedRows.clear();
    if (InRange(row, control->rows.size()))
        control->selectedRows.push_back(row);
}

int MemoryUi::ListRowCount(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? static_cast<int>(control->rows.size()) : 0;
}

Text MemoryUi::ListCellText(WindowId window, std::string_view name, int row, int column) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    if (control == nullptr || !InRange(row, control->rows.size()) ||
        !InRange(column, control->rows[row].size()))
        return {};
    return control->rows[row][column];
}

void MemoryUi::SetListCellText(WindowId window, std::string_view name, int row, int column,
                               const Text& text) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control != nullptr && InRange(row, control->rows.size()) &&
        InRange(column, control->rows[row].size()))
        control->rows[row][column] = text;
}

int MemoryUi::ListAppendRow(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control == nullptr)
        return -1;
    control->rows.emplace_back(control->columns.size());
    return static_cast<int>(control->rows.size()) - 1;
}

void MemoryUi::ListDeleteRow(WindowId window, std::string_view name, int row) {
    std::lock_guard lock(mutex_);
    Control* control = Find(window, name);
    if (control == nullptr || !InRange(row, control->rows.size()))
        return;
    control->rows.erase(control->rows.begin() + row);
    std::vector<int> kept;
    for (int selected : control->selectedRows) {
        if (selected != row)
            kept.push_back(selected > row ? selected - 1 : selected);
    }
    control->selectedRows = std::move(kept);
}

void MemoryUi::ListClear(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    if (Control* control = Find(window, name)) {
        control->rows.clear();
        control->selectedRows.clear();
    }
}

int MemoryUi::ListColumnCount(WindowId window, std::string_view name) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr ? static_cast<int>(control->columns.size()) : 0;
}

Text MemoryUi::ListColumnTitle(WindowId window, std::string_view name, int column) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr && InRange(column, control->columns.size())
               ? control->columns[column].title
               : Text();
}

int MemoryUi::ListColumnWidth(WindowId window, std::string_view name, int column) {
    std::lock_guard lock(mutex_);
    const Control* control = Find(window, name);
    return control != nullptr && InRange(column, control->columns.size())
               ? control->columns[column].width
               : 0;
}

} // namespace dalmiro::test
