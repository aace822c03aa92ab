#include "course/catalog.h"

#include <algorithm>

#include "course/data_file.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {

std::string CatalogCode(std::string_view codeLine) {
    const std::string_view line = TrimView(codeLine);
    int section = StrToInt(line.substr(line.size() < 8 ? line.size() : 8, 2));
    if (section >= 60) section -= 59;
    std::string code(line.substr(0, 8));
    if (section < 10) code += '0';
    code += std::to_string(section);
    return code;
}

void ReadCatalog(LineReader& reader, Catalog& catalog, Problems& problems) {
    auto skip = [](std::string_view line) { return (!line.empty() && line.front() == '*') || TrimView(line).empty(); };
    const TableRules rules{"catalog entries", kCatalogLimit, skip};
    ReadTable(reader, rules, catalog, problems, [](std::string_view line, LineReader& lines) {
        CatalogEntry entry;
        entry.File = lines.Name();
        entry.Line = lines.LineNumber();
        entry.Code = CatalogCode(line);
        entry.Line2 = Trim(lines.ReadLineView());
        entry.Line3 = Trim(lines.ReadLineView());
        entry.Line4 = Trim(lines.ReadLineView());
        lines.ReadLineView();  // the separator line
        return entry;
    });
}

void LoadCatalog(const std::string& programDir, const std::string& fileName, Catalog& catalog, Problems& problems,
                 Messages* messages) {
    auto file = OpenOptionalFile(programDir, fileName);
    if (!file) {
        const std::string message = "Nie znaleziono pliku " + Utf8ToCp1250(NativePath(programDir + fileName));
        if (messages) messages->Show(message);
        problems.Add(fileName, 0, message);
        return;
    }
    catalog.reserve(std::min(kCatalogLimit, catalog.size() + file->LineCount / 5 + 1));
    ReadCatalog(file->Reader, catalog, problems);
}

}  // namespace quillan
