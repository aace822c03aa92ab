#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillan::record_bytes {

// Fields of the learner's binary records, read and written one by one at their offsets:
// integers little-endian, dates as 64-bit IEEE doubles, strings as one length byte followed by
// `capacity` character bytes. Writers expect the record to be zeroed first, so padding and the
// unused tail of every string stay zero.

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
