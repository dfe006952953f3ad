#include "gui/alert_sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QUrl>

#include <cmath>
#include <cstdint>
#include <numbers>

namespace dalmiro {
namespace {

constexpr int kSampleRate = 22050;
constexpr double kSeconds = 0.3;
constexpr double kFrequency = 880.0;
constexpr double kEdgeSeconds = 0.02; // fade in and out, so the tone does not click

void PutLe(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

Bytes AlertWave() {
    const int samples = static_cast<int>(kSampleRate * kSeconds);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples) * 2;
    Bytes wave;
    wave.reserve(44 + dataBytes);
    wave += "RIFF";
    PutLe(wave, 36 + dataBytes, 4);
    wave += "WAVEfmt ";
    PutLe(wave, 16, 4);              // size of the format block
    PutLe(wave, 1, 2);               // PCM
    PutLe(wave, 1, 2);               // mono
    PutLe(wave, kSampleRate, 4);     // samples per second
    PutLe(wave, kSampleRate * 2, 4); // bytes per second
    PutLe(wave, 2, 2);               // bytes per sample frame
    PutLe(wave, 16, 2);              // bits per sample
    wave += "data";
    PutLe(wave, dataBytes, 4);
    const int edge = static_cast<int>(kSampleRate * kEdgeSeconds);
    for (int i = 0; i < samples; ++i) {
        double envelope = 1.0;
        if (i < edge)
            envelope = static_cast<double>(i) / edge;
        else if (samples - i < edge)
            envelope = static_cast<double>(samples - i) / edge;
        const double t = static_cast<double>(i) / kSampleRate;
        const double value = 0.4 * envelope * std::sin(2.0 * std::numbers::pi * kFrequency * t);
        const auto sample = static_cast<std::int16_t>(std::lround(value * 32767.0));
        PutLe(wave, static_cast<std::uint16_t>(sample), 2);
    }
    return wave;
}

AlertSound::AlertSound() = default;
AlertSound::~AlertSound() = default;

bool AlertSound::Prepare() {
    if (effect_ != nullptr)
        return true;
    if (failed_)
        return false;
    // No output device (a server, a test run): stay silent instead of failing at every alert.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        failed_ = true;
        return false;
    }
    file_ = std::make_unique<QTemporaryFile>(QStringLiteral("dalmiro-alert-XXXXXX.wav"));
    const Bytes wave = AlertWave();
    if (!file_->open() || file_->write(wave.data(), static_cast<qint64>(wave.size())) !=
                              static_cast<qint64>(wave.size())) {
        file_.reset();
        failed_ = true;
        return false;
    }
    file_->flush();
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(file_->fileName()));
    return true;
}

void AlertSound::Play() {
    if (Prepare())
        effect_->play();
}

} // namespace dalmiro
