#pragma once

#include <string>

#include "classroom/server/classroom_store.h"

namespace quillan::classroom {

// Stores in one SQLite file (write-ahead log, every commit flushed to the disk). Each store
// reads on a connection of its own; the writes of all the stores of one factory are made by
// one writer thread, which puts the writes that arrive together into one transaction, each in a
// savepoint of its own, and answers them after the commit. Other processes writing the same
// file are waited for.
StoreFactory SqliteStoreFactory(const std::string& path);

}  // namespace quillan::classroom
