#include "audio/wav_file.h"

#include <sndfile.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "platform/paths.h"

namespace quillan {
namespace {

// A growing byte buffer behind libsndfile's virtual file.
struct MemoryFile {
    std::string bytes;
    sf_count_t position = 0;
};

sf_count_t Length(void* data) { return static_cast<sf_count_t>(static_cast<MemoryFile*>(data)->bytes.size()); }

sf_count_t Seek(sf_count_t offset, int whence, void* data) {
    auto* file = static_cast<MemoryFile*>(data);
    sf_count_t base = 0;
    if (whence == SEEK_CUR) base = file->position;
    if (whence == SEEK_END) base = Length(data);
    file->position = std::max<sf_count_t>(0, base + offset);
    return file->position;
}

sf_count_t Read(void* target, sf_count_t count, void* data) {
    auto* file = static_cast<MemoryFile*>(data);
    const sf_count_t available = std::max<sf_count_t>(0, Length(data) - file->position);
    const sf_count_t n = std::min(count, available);
    std::memcpy(target, file->bytes.data() + file->position, static_cast<size_t>(n));
    file->position += n;
    return n;
}

sf_count_t Write(const void* source, sf_count_t count, void* data) {
    auto* file = static_cast<MemoryFile*>(data);
    const auto end = static_cast<size_t>(file->position + count);
    if (file->bytes.size() < end) file->bytes.resize(end);
    std::memcpy(file->bytes.data() + file->position, source, static_cast<size_t>(count));
    file->position += count;
    return count;
}

sf_count_t Tell(void* data) { return static_cast<MemoryFile*>(data)->position; }

}  // namespace

std::string WavFileBytes(const std::vector<int16_t>& samples, int sampleRate) {
    SF_VIRTUAL_IO io{Length, Seek, Read, Write, Tell};
    MemoryFile file;
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* sound = sf_open_virtual(&io, SFM_WRITE, &info, &file);
    if (!sound) throw std::runtime_error(std::string("WAV: ") + sf_strerror(nullptr));
    const sf_count_t written = sf_write_short(sound, samples.data(), static_cast<sf_count_t>(samples.size()));
    sf_close(sound);
    if (written != static_cast<sf_count_t>(samples.size())) throw std::runtime_error("WAV: samples not written");
    return std::move(file.bytes);
}

int SoundFileLengthMs(const std::string& windowsPath) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(NativePath(windowsPath).c_str(), SFM_READ, &info);
    if (!sound) return 0;
    sf_close(sound);
    if (info.samplerate <= 0) return 0;
    return static_cast<int>(info.frames * 1000 / info.samplerate);
}

}  // namespace quillan
