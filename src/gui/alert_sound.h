#pragma once
// The program's alert: a short beep, generated as a WAVE clip in memory and played without
// waiting. Silent where no audio device exists.
#include "util/text.h"

#include <QObject>

#include <memory>

class QSoundEffect;
class QTemporaryFile;

namespace dalmiro {

// The alert clip: 16-bit mono PCM WAVE, a 0.3 s tone with soft edges.
Bytes AlertWave();

class AlertSound {
  public:
    AlertSound();
    ~AlertSound();
    AlertSound(const AlertSound&) = delete;
    AlertSound& operator=(const AlertSound&) = delete;

    // Starts the clip and returns at once. The clip is prepared on first use.
    void Play();

  private:
    bool Prepare();

    std::unique_ptr<QTemporaryFile> file_;
    std::unique_ptr<QSoundEffect> effect_;
    bool failed_ = false;
};

} // namespace dalmiro
