#pragma once

namespace quillan {

struct AppContext;
struct CatalogEntry;

// The catalog entry a reading window opens on (1-based number); null when the catalog has no
// such entry, which the learner is told.
const CatalogEntry* CatalogEntryOf(AppContext& context, int number);

}  // namespace quillan
