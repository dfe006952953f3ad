#pragma once
// Probes for the start-up benchmark and the README screenshot, switched on by environment
// variables that only those tools set:
//   DALMIRO_EXIT_WHEN_SHOWN=1   when the main window has been painted for the first time, shown
//                               and enabled, print "DALMIRO_SHOWN_AT_MS <ms since the epoch>"
//                               and quit
//   DALMIRO_SCREENSHOT=FILE     when the sign-in page has loaded (at most 20 s), save the main
//                               window as a PNG to FILE and quit
namespace dalmiro {

class QtUi;

// Returns whether a probe was installed.
bool InstallDevProbes(QtUi& ui);

} // namespace dalmiro
