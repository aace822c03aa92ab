#include "sounds.h"

#include <sndfile.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "installation.h"
#include "recordings.h"
#include "sources.h"

namespace demo {
namespace {

constexpr int kRate = 44100;

// A note of a soft mallet: a sine with two quiet overtones, a quick attack and a gentle decay.
struct Note {
    double frequency;
    double start;     // seconds
    double length;    // seconds
    double loudness;  // peak, 0..1
};

std::vector<float> Render(const std::vector<Note>& notes) {
    double end = 0;
    for (const Note& n : notes) end = std::max(end, n.start + n.length);
    std::vector<float> samples(static_cast<size_t>((end + 0.05) * kRate), 0.0f);
    for (const Note& n : notes) {
        const size_t first = static_cast<size_t>(n.start * kRate);
        const size_t count = static_cast<size_t>(n.length * kRate);
        for (size_t i = 0; i < count && first + i < samples.size(); ++i) {
            const double t = double(i) / kRate;
            const double attack = std::min(1.0, t / 0.008);
            const double decay = std::exp(-t / (n.length * 0.32));
            const double release = std::min(1.0, (n.length - t) / 0.02);
            const double phase = 2 * M_PI * n.frequency * t;
            const double wave = std::sin(phase) + 0.28 * std::sin(2 * phase) * std::exp(-t * 6) + 0.08 * std::sin(3 * phase);
            samples[first + i] += static_cast<float>(n.loudness * attack * decay * release * wave / 1.36);
        }
    }
    return samples;
}

// libsndfile writing into memory, so that the file is then written like every other file.
struct Memory {
    std::string bytes;
    sf_count_t position = 0;
};
sf_count_t MemoryLength(void* user) { return static_cast<sf_count_t>(static_cast<Memory*>(user)->bytes.size()); }
sf_count_t MemorySeek(sf_count_t offset, int whence, void* user) {
    Memory* m = static_cast<Memory*>(user);
    const sf_count_t base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? m->position : MemoryLength(user);
    m->position = base + offset;
    return m->position;
}
sf_count_t MemoryRead(void* out, sf_count_t count, void* user) {
    Memory* m = static_cast<Memory*>(user);
    const sf_count_t available = std::max<sf_count_t>(0, MemoryLength(user) - m->position);
    const sf_count_t n = std::min(count, available);
    std::memcpy(out, m->bytes.data() + m->position, static_cast<size_t>(n));
    m->position += n;
    return n;
}
sf_count_t MemoryWrite(const void* in, sf_count_t count, void* user) {
    Memory* m = static_cast<Memory*>(user);
    if (m->position + count > MemoryLength(user)) m->bytes.resize(static_cast<size_t>(m->position + count));
    std::memcpy(m->bytes.data() + m->position, in, static_cast<size_t>(count));
    m->position += count;
    return count;
}
sf_count_t MemoryTell(void* user) { return static_cast<Memory*>(user)->position; }

std::string Wav(const std::vector<float>& samples) {
    SF_VIRTUAL_IO io{MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};
    Memory memory;
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open_virtual(&io, SFM_WRITE, &info, &memory);
    if (!file) throw std::runtime_error(std::string("cannot make a WAV file: ") + sf_strerror(nullptr));
    sf_write_float(file, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(file);
    return memory.bytes;
}

void WriteTone(Installation& installation, const std::string& path, const std::vector<Note>& notes) {
    installation.WriteBytes(path, Wav(Render(notes)));
    installation.Count("sound");
}

// Notes (Hz).
constexpr double A3 = 220.0, D4 = 293.66, F4 = 349.23, G4 = 392.0, A4 = 440.0, C5 = 523.25, E5 = 659.25,
                 G5 = 783.99, A5 = 880.0, C6 = 1046.5;

// A tone standing in for a recording that could not be spoken: two soft notes.
const std::vector<Note> kStandIn = {{G4, 0, 0.35, 0.35}, {C5, 0.16, 0.45, 0.35}};

bool Speak(const QString& espeak, const Recording& recording, const std::string& target) {
    QProcess process;
    process.start(espeak, {"-v", QString::fromStdString(recording.voice), "-s", QString::number(recording.speed), "-w",
                           QString::fromStdString(target), QString::fromStdString(recording.text)});
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0 &&
           QFile(QString::fromStdString(target)).size() > 44;
}

}  // namespace

SoundReport WriteSounds(Installation& installation, const CourseSources& sources) {
    SoundReport report;
    // The opening chime, the feedback sounds and the wrong-answer sound.
    WriteTone(installation, "wav_r\\r_open.wav", {{C5, 0, 0.7, 0.3}, {E5, 0.12, 0.7, 0.28}, {G5, 0.24, 0.7, 0.26}, {C6, 0.36, 0.9, 0.24}});
    WriteTone(installation, "Wav_r\\ok.wav", {{E5, 0, 0.3, 0.4}, {A5, 0.09, 0.4, 0.38}});
    WriteTone(installation, "Wav_r\\no.wav", {{A4, 0, 0.28, 0.34}, {F4, 0.12, 0.38, 0.34}});
    WriteTone(installation, "zla.wav", {{D4, 0, 0.25, 0.34}, {A3, 0.1, 0.4, 0.36}});
    report.tones = 4;

    const QString espeak = QStandardPaths::findExecutable("espeak-ng");
    if (espeak.isEmpty()) report.why = "not found";
    for (const Recording& recording : CourseRecordings(sources)) {
        if (!espeak.isEmpty() && Speak(espeak, recording, installation.NativeFile(recording.path))) {
            installation.Count("sound");
            ++report.spoken;
            continue;
        }
        if (report.why.empty()) report.why = "failed on " + recording.path;
        WriteTone(installation, recording.path, kStandIn);
        ++report.standIns;
    }
    return report;
}

}  // namespace demo
