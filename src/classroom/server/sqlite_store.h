#pragma once

#include <string>

#include "classroom/server/classroom_store.h"

namespace quillan::classroom {

// Stores in one SQLite file (write-ahead log, every commit flushed to the disk). The stores of
// one factory share a lock, so that within the process one write transaction runs at a time
// and none waits on SQLite's own retry sleeps; other processes on the same file are waited for.
StoreFactory SqliteStoreFactory(const std::string& path);

}  // namespace quillan::classroom
