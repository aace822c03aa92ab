#pragma once

#include <string>

#include "classroom/server/classroom_store.h"

namespace quillan::classroom {

// Stores in a PostgreSQL database named by a connection URI; several server processes may
// share it. The tables are made in the connection's first schema (its search_path).
StoreFactory PostgresStoreFactory(const std::string& uri);

}  // namespace quillan::classroom
