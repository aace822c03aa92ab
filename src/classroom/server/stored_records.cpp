#include "classroom/server/stored_records.h"

#include "classroom/server/classroom_store.h"

namespace quillan::classroom {

std::string RecordBytes(const CW_Info& record) {
    std::string bytes(kCwInfoSize, '\0');
    EncodeCwInfo(record, bytes.data());
    return bytes;
}

std::string IdOf(const CW_Info& record) { return record.Id.substr(0, kIdCapacity); }

CW_Info RecordOfStoredBytes(const std::string& bytes) {
    if (bytes.size() != kCwInfoSize) throw StoreError("a stored record is not " + std::to_string(kCwInfoSize) + " bytes");
    return DecodeCwInfo(bytes.data());
}

}  // namespace quillan::classroom
