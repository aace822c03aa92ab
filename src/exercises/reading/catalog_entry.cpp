#include "exercises/reading/catalog_entry.h"

#include "platform/cp1250.h"
#include "session/app_context.h"

namespace quillan {

const CatalogEntry* CatalogEntryOf(AppContext& context, int number) {
    const Catalog& catalog = context.course.catalog;
    if (number >= 1 && static_cast<size_t>(number) <= catalog.size()) return &catalog[static_cast<size_t>(number) - 1];
    if (context.services.messages)
        context.services.messages->Error(Utf8ToCp1250("Brak ćwiczenia nr ") + std::to_string(number) +
                                         Utf8ToCp1250(" w katalogu ćwiczeń."));
    return nullptr;
}

}  // namespace quillan
