#pragma once
#include <string_view>

namespace dalmiro {

// The program's two windows.
enum class WindowId { Main, Analysis };

// The window's own name: the source of its Created event in the binding table and in the
// events both Ui implementations report.
constexpr std::string_view WindowName(WindowId window) {
    return window == WindowId::Analysis ? "AnalysisWindow" : "MainWindow";
}

} // namespace dalmiro
