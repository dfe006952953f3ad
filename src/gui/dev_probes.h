#pragma once
// Probes for the start-up benchmark and the README screenshot, switched on by environment
// variables that only those tools set:
//   DALMIRO_EXIT_WHEN_SHOWN=1   at the first paint of the main window while it is shown and
//                               enabled, print "DALMIRO_SHOWN_AT_MS <ms since the epoch>" and end
//   DALMIRO_SCREENSHOT=FILE     when the sign-in page has loaded (at most 20 s), save the main
//                               window as a PNG to FILE and end
// Installed before the main window opens, since start-up may already paint it.
#include <QObject>

namespace dalmiro {

class QtUi;

class DevProbes : public QObject {
  public:
    explicit DevProbes(QtUi& ui);

    // Whether a probe has done its work; the program then ends.
    bool Finished() const { return finished_; }

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Finish();
    void SaveScreenshot();

    QtUi& ui_;
    bool exitWhenShown_ = false;
    QString screenshot_;
    bool finished_ = false;
    bool watchingPage_ = false;
};

} // namespace dalmiro
