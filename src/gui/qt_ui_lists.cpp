// QtUi's operations on combo boxes, list views and progress bars.
#include "gui/gui_text.h"
#include "gui/gui_thread.h"
#include "gui/list_view.h"
#include "gui/qt_ui.h"

#include <QComboBox>
#include <QHeaderView>
#include <QProgressBar>

#include <algorithm>

namespace dalmiro {

// ---- combo boxes ----

int QtUi::ComboSelectedIndex(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* combo = Find<QComboBox>(window, control);
        return combo == nullptr ? -1 : combo->currentIndex();
    });
}

void QtUi::SetComboSelectedIndex(WindowId window, std::string_view control, int index) {
    OnGuiThread(context_.get(), [&] {
        if (auto* combo = Find<QComboBox>(window, control))
            combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
    });
}

Text QtUi::ComboItemText(WindowId window, std::string_view control, int index) {
    return OnGuiThread(context_.get(), [&]() -> Text {
        auto* combo = Find<QComboBox>(window, control);
        if (combo == nullptr || index < 0 || index >= combo->count())
            return {};
        return ToGbk(combo->itemText(index));
    });
}

int QtUi::ComboItemCount(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* combo = Find<QComboBox>(window, control);
        return combo == nullptr ? 0 : combo->count();
    });
}

void QtUi::ComboClear(WindowId window, std::string_view control) {
    OnGuiThread(context_.get(), [&] {
        if (auto* combo = Find<QComboBox>(window, control))
            combo->clear();
    });
}

void QtUi::ComboInsertItem(WindowId window, std::string_view control, int index, const Text& text) {
    OnGuiThread(context_.get(), [&] {
        auto* combo = Find<QComboBox>(window, control);
        if (combo == nullptr)
            return;
        // An index outside the items appends. Inserting never selects: Qt would select the first
        // item put into an empty box, the program's boxes stay unselected until the user chooses.
        const int at = index >= 0 && index <= combo->count() ? index : combo->count();
        const bool noneSelected = combo->currentIndex() < 0;
        combo->insertItem(at, FromGbk(text));
        if (noneSelected)
            combo->setCurrentIndex(-1);
    });
}

// ---- list views ----

int QtUi::ListSelectedRow(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* list = Find<ListView>(window, control);
        return list == nullptr ? -1 : list->SelectedRow();
    });
}

std::vector<int> QtUi::ListSelectedRows(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* list = Find<ListView>(window, control);
        return list == nullptr ? std::vector<int>() : list->SelectedRows();
    });
}

void QtUi::SetListSelectedRow(WindowId window, std::string_view control, int row) {
    OnGuiThread(context_.get(), [&] {
        if (auto* list = Find<ListView>(window, control))
            list->SelectOnly(row);
    });
}

int QtUi::ListRowCount(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* list = Find<ListView>(window, control);
        return list == nullptr ? 0 : list->rowCount();
    });
}

Text QtUi::ListCellText(WindowId window, std::string_view control, int row, int column) {
    return OnGuiThread(context_.get(), [&]() -> Text {
        auto* list = Find<ListView>(window, control);
        return list == nullptr ? Text() : ToGbk(list->CellText(row, column));
    });
}

void QtUi::SetListCellText(WindowId window, std::string_view control, int row, int column,
                           const Text& text) {
    OnGuiThread(context_.get(), [&] {
        if (auto* list = Find<ListView>(window, control))
            list->SetCellText(row, column, FromGbk(text));
    });
}

int QtUi::ListAppendRow(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* list = Find<ListView>(window, control);
        return list == nullptr ? -1 : list->AppendRow();
    });
}

void QtUi::ListDeleteRow(WindowId window, std::string_view control, int row) {
    OnGuiThread(context_.get(), [&] {
        if (auto* list = Find<ListView>(window, control))
            list->DeleteRow(row);
    });
}

void QtUi::ListClear(WindowId window, std::string_view control) {
    OnGuiThread(context_.get(), [&] {
        if (auto* list = Find<ListView>(window, control))
            list->Clear();
    });
}

int QtUi::ListColumnCount(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* list = Find<ListView>(window, control);
        return list == nullptr ? 0 : list->columnCount();
    });
}

Text QtUi::ListColumnTitle(WindowId window, std::string_view control, int column) {
    return OnGuiThread(context_.get(), [&]() -> Text {
        auto* list = Find<ListView>(window, control);
        if (list == nullptr || column < 0 || column >= list->columnCount())
            return {};
        const QTableWidgetItem* header = list->horizontalHeaderItem(column);
        return header == nullptr ? Text() : ToGbk(header->text());
    });
}

int QtUi::ListColumnWidth(WindowId window, std::string_view control, int column) {
    return OnGuiThread(context_.get(), [&] {
        auto* list = Find<ListView>(window, control);
        if (list == nullptr || column < 0 || column >= list->columnCount())
            return 0;
        return list->horizontalHeader()->sectionSize(column);
    });
}

// ---- progress bars ----

void QtUi::SetProgressMaximum(WindowId window, std::string_view control, int maximum) {
    OnGuiThread(context_.get(), [&] {
        if (auto* bar = Find<QProgressBar>(window, control))
            bar->setRange(0, std::max(0, maximum));
    });
}

int QtUi::ProgressMaximum(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* bar = Find<QProgressBar>(window, control);
        return bar == nullptr ? 0 : bar->maximum();
    });
}

void QtUi::SetProgressPosition(WindowId window, std::string_view control, int position) {
    OnGuiThread(context_.get(), [&] {
        // Like a Windows progress bar, a position outside the range is held at its end (Qt
        // would ignore it and keep the old position).
        if (auto* bar = Find<QProgressBar>(window, control))
            bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
    });
}

int QtUi::ProgressPosition(WindowId window, std::string_view control) {
    return OnGuiThread(context_.get(), [&] {
        auto* bar = Find<QProgressBar>(window, control);
        return bar == nullptr ? 0 : std::max(bar->value(), bar->minimum());
    });
}

} // namespace dalmiro
