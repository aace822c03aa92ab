#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "course/data_errors.h"
#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// Opening the course files of an installation. The reader carries the file's name relative to
// ProgramDir ("Listy_r\index.txt"), which errors and problems quote.

// A file start-up cannot do without. Throws DataFileError when it is missing or unreadable.
LineReader OpenRequiredFile(const std::string& programDir, const std::string& relative);
// Nothing when the file does not exist; DataFileError when it exists but cannot be read.
std::optional<LineReader> OpenOptionalFile(const std::string& programDir, const std::string& relative);

// The line loop every reader runs: hands each line to `handle` until the end of the file or
// until `handle` returns false. A ConversionError from a line comes out as a DataLineError
// naming the file and the line being read.
template <class Handle>
void ForEachLine(LineReader& reader, Handle&& handle) {
    while (!reader.Eof()) {
        const std::string_view line = reader.ReadLineView();
        try {
            if (!handle(line)) return;
        } catch (const DataLineError&) {
            throw;
        } catch (const ConversionError& error) {
            throw DataLineError(DataPlace{reader.Name(), reader.LineNumber(), error.what()});
        }
    }
}

// Comment rules of the course files: whether a line is skipped rather than read as an entry.
using LineFilter = bool (*)(std::string_view line);
bool SlashComment(std::string_view line);        // first character "/"
bool DoubleSlashComment(std::string_view line);  // first two characters "//"

// A table read one entry per line (or per group of lines that `parse` reads on from the reader).
struct TableRules {
    const char* what;           // the table's entries, as problems name them: "drag-and-drop sentences"
    size_t limit;               // the table's size
    LineFilter skip = nullptr;  // comment rule; without one every line is an entry, an empty one too
};

// Reads the current line and all after it to the end of the file, and reports them as left out
// of a table that holds `limit` entries.
void ReportSurplus(LineReader& reader, std::string_view what, size_t limit, Problems& problems);

// Appends one record per entry line to `table` until the end of the file. `parse` takes the line
// (and the reader, when it reads the entry's further lines itself) and returns the record. When
// the table is full, the rest of the file is reported as a problem and not read.
template <class Record, class Parse>
void ReadTable(LineReader& reader, const TableRules& rules, std::vector<Record>& table, Problems& problems, Parse&& parse) {
    ForEachLine(reader, [&](std::string_view line) {
        if (rules.skip && rules.skip(line)) return true;
        if (table.size() >= rules.limit) {
            ReportSurplus(reader, rules.what, rules.limit, problems);
            return false;
        }
        if constexpr (std::is_invocable_v<Parse&, std::string_view, LineReader&>)
            table.push_back(parse(line, reader));
        else
            table.push_back(parse(line));
        return true;
    });
}

}  // namespace quillan
