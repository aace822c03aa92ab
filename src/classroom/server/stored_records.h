#pragma once

#include <string>

#include "progress/results_store.h"

namespace quillan::classroom {

// A learner's result record as both stores keep it: its 548 bytes, with its Id beside them
// as those bytes hold it (cut to the record's room for it), so that a record is found by Id
// without reading it whole.
std::string RecordBytes(const CW_Info& record);
std::string IdOf(const CW_Info& record);

// The record of bytes read back from a store; a StoreError when they are not a whole record.
CW_Info RecordOfStoredBytes(const std::string& bytes);

}  // namespace quillan::classroom
