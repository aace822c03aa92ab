#include "platform/qt/qt_audio_capture.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>
#include <QtEndian>
#include <algorithm>
#include <cstring>

#include "platform/cp1250.h"

namespace quillan {
namespace {

// 16-bit mono at the first rate the device takes; otherwise its preferred format.
QAudioFormat ChooseFormat(const QAudioDevice& device) {
    for (int rate : {22050, 44100, 48000, 16000, 11025, 8000}) {
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (device.isFormatSupported(format)) return format;
    }
    return device.preferredFormat();
}

// One frame of any sample format, its channels mixed, as a 16-bit sample.
int16_t MonoSample(const char* frame, const QAudioFormat& format) {
    const int channels = std::max(1, format.channelCount());
    const int bytes = format.bytesPerSample();
    double sum = 0;
    for (int c = 0; c < channels; ++c) {
        const char* at = frame + c * bytes;
        double value = 0;
        switch (format.sampleFormat()) {
            case QAudioFormat::UInt8: value = (static_cast<unsigned char>(*at) - 128) / 128.0; break;
            case QAudioFormat::Int16: value = qFromLittleEndian<qint16>(at) / 32768.0; break;
            case QAudioFormat::Int32: value = qFromLittleEndian<qint32>(at) / 2147483648.0; break;
            case QAudioFormat::Float: {
                float f;
                std::memcpy(&f, at, sizeof f);
                value = f;
                break;
            }
            default: break;
        }
        sum += value;
    }
    const double mixed = std::clamp(sum / channels, -1.0, 1.0);
    return static_cast<int16_t>(mixed * 32767);
}

}  // namespace

std::string NoSoundInputMessage() {
    return Utf8ToCp1250("Nie znaleziono mikrofonu ani innego wejścia dźwięku, więc nie można nagrywać. "
                        "Podłącz mikrofon i spróbuj ponownie.");
}

QtAudioCapture::QtAudioCapture(QObject* parent) : QObject(parent) {}

QtAudioCapture::~QtAudioCapture() {
    if (source_) source_->stop();
}

bool QtAudioCapture::Start(std::string& problem) {
    if (source_) Stop();
    buffer_.clear();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        problem = NoSoundInputMessage();
        return false;
    }
    format_ = ChooseFormat(device);
    source_ = std::make_unique<QAudioSource>(device, format_);
    input_ = source_->start();
    if (!input_ || source_->error() != QAudio::NoError) {
        source_.reset();
        input_ = nullptr;
        problem = Utf8ToCp1250("Nie można rozpocząć nagrywania: urządzenie nagrywające jest zajęte albo niedostępne.");
        return false;
    }
    connect(input_, &QIODevice::readyRead, this, &QtAudioCapture::Drain);
    running_.start();
    return true;
}

void QtAudioCapture::Drain() {
    if (input_) buffer_.append(input_->readAll());
}

CapturedSound QtAudioCapture::Stop() {
    CapturedSound sound;
    if (!source_) return sound;
    Drain();
    source_->stop();
    source_.reset();
    input_ = nullptr;

    sound.sampleRate = format_.sampleRate();
    const int frameBytes = format_.bytesPerFrame();
    if (frameBytes <= 0) return sound;
    const qsizetype ranFrames = running_.elapsed() * format_.sampleRate() / 1000;
    const qsizetype frames = std::min<qsizetype>(buffer_.size() / frameBytes, ranFrames);
    sound.samples.reserve(static_cast<size_t>(frames));
    for (qsizetype i = 0; i < frames; ++i) sound.samples.push_back(MonoSample(buffer_.constData() + i * frameBytes, format_));
    buffer_.clear();
    return sound;
}

}  // namespace quillan
