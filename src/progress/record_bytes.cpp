#include "progress/record_bytes.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace quillan::record_bytes {
namespace {

void PutLittleEndian(char* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetLittleEndian(const char* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint64_t>(static_cast<unsigned char>(at[i])) << (8 * i);
    return value;
}

}  // namespace

void StartRecord(char* record, size_t size, const ReadBytes& read) {
    if (read.bytes.size() == size)
        std::memcpy(record, read.bytes.data(), size);
    else
        std::memset(record, 0, size);
}

ReadBytes KeepBytes(const char* record, size_t size) { return {std::string(record, size)}; }

void PutU8(char* record, size_t offset, std::uint8_t value) { record[offset] = static_cast<char>(value); }

void PutI32(char* record, size_t offset, std::int32_t value) {
    PutLittleEndian(record + offset, static_cast<std::uint32_t>(value), 4);
}

void PutF64(char* record, size_t offset, double value) {
    PutLittleEndian(record + offset, std::bit_cast<std::uint64_t>(value), 8);
}

void PutString(char* record, size_t offset, size_t capacity, std::string_view text) {
    const size_t length = std::min(text.size(), capacity);
    record[offset] = static_cast<char>(length);
    std::memcpy(record + offset + 1, text.data(), length);
}

std::uint8_t GetU8(const char* record, size_t offset) { return static_cast<std::uint8_t>(record[offset]); }

std::int32_t GetI32(const char* record, size_t offset) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(GetLittleEndian(record + offset, 4)));
}

double GetF64(const char* record, size_t offset) {
    return std::bit_cast<double>(GetLittleEndian(record + offset, 8));
}

std::string GetString(const char* record, size_t offset, size_t capacity) {
    const size_t length = std::min<size_t>(GetU8(record, offset), capacity);
    return std::string(record + offset + 1, length);
}

}  // namespace quillan::record_bytes
