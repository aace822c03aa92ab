#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::record_bytes {

// Fields of the learner's binary records, read and written one by one at their offsets:
// integers little-endian, dates as 64-bit IEEE doubles, strings as one length byte followed by
// `capacity` character bytes. Writers start from the record's bytes as read (see ReadBytes) or
// from zeros, so padding and the unused tail of every string go back as they came.

// The bytes a record was read from. Its fields are written over them, so that the bytes the
// program does not own (padding, the unused tail of a string) go back to the file unchanged,
// whichever program wrote them; a record the program makes has none and writes zeros there.
// Not part of the record's value: records are equal whatever bytes they were read from.
struct ReadBytes {
    std::string bytes;
    bool operator==(const ReadBytes&) const { return true; }
};

// Fills `record` (size bytes) with the bytes it was read from, or zeros when it has none.
void StartRecord(char* record, size_t size, const ReadBytes& read);
// The bytes of a record about to be decoded.
ReadBytes KeepBytes(const char* record, size_t size);

void PutU8(char* record, size_t offset, std::uint8_t value);
void PutI32(char* record, size_t offset, std::int32_t value);
void PutF64(char* record, size_t offset, double value);
// Cuts the text to `capacity` bytes.
void PutString(char* record, size_t offset, size_t capacity, std::string_view text);

std::uint8_t GetU8(const char* record, size_t offset);
std::int32_t GetI32(const char* record, size_t offset);
double GetF64(const char* record, size_t offset);
// A length byte above the capacity is taken as the capacity.
std::string GetString(const char* record, size_t offset, size_t capacity);

}  // namespace quillan::record_bytes
