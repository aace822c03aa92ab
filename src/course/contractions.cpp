#include "course/contractions.h"

#include "course/data_file.h"
#include "text/answer_text.h"
#include "text/text_utils.h"

namespace quillan {

std::optional<Contraction> ParseContractionLine(std::string_view line) {
    const size_t first = line.find('=');
    if (first == std::string_view::npos) return std::nullopt;
    const size_t second = line.find('=', first + 1);
    const std::string_view shortForm =
        second == std::string_view::npos ? line.substr(first + 1) : line.substr(first + 1, second - first - 1);
    return Contraction{std::string(line.substr(0, first)), std::string(shortForm)};
}

void ReadContractions(LineReader& reader, ContractionTable& table, Problems& problems) {
    ForEachLine(reader, [&](std::string_view line) {
        std::optional<Contraction> pair = ParseContractionLine(line);
        if (!pair) return true;
        if (table.size() >= kContractionLimit) {
            ReportSurplus(reader, "contractions", kContractionLimit, problems);
            return false;
        }
        table.push_back(std::move(*pair));
        return true;
    });
}

void LoadContractions(const std::string& directory, ContractionTable& table, Problems& problems) {
    table.clear();
    if (auto file = OpenOptionalFile(directory, "ss_r.t")) ReadContractions(file->Reader, table, problems);
}

std::string NormalizeSentence(std::string_view text) {
    std::string result = Trim(text);
    if (result.empty()) return result;
    for (char separator : {' ', ',', ';', '.', '!', ':', '-', '?'}) result = NormalizeSpacing(result, separator);
    if (!result.empty() && (result.back() == '?' || result.back() == '.')) result.pop_back();
    return result;
}

namespace {

// Every position where `pattern` occurs in `text` (overlapping ones too), in order. A pattern
// that begins with a blank is looked for by the rest of it, which is rarer in a sentence than
// the blanks are.
std::vector<size_t> Occurrences(std::string_view text, std::string_view pattern) {
    std::vector<size_t> found;
    if (pattern.empty()) return found;
    const size_t skip = pattern.size() > 1 && pattern.front() == ' ' ? 1 : 0;
    const std::string_view rest = pattern.substr(skip);
    for (size_t at = text.find(rest, skip); at != std::string_view::npos; at = text.find(rest, at + 1))
        if (skip == 0 || text[at - 1] == ' ') found.push_back(at - skip);
    return found;
}

}  // namespace

std::vector<std::string> BuildContractionVariants(std::string_view sentence, const ContractionTable& table) {
    std::vector<std::string> variants;
    std::string s = Trim(sentence);
    if (s.empty()) return variants;
    if (s.front() != '\'') s.insert(0, 1, ' ');
    // Where each long form stands, found once for the whole table.
    std::vector<std::vector<size_t>> places(table.size());
    for (size_t i = 0; i < table.size(); ++i) places[i] = Occurrences(s, table[i].LongForm);
    // The first place of pair i at or after `from`.
    auto firstFrom = [&](size_t i, size_t from) {
        for (size_t at : places[i])
            if (at >= from) return at;
        return std::string::npos;
    };

    auto add = [&](std::string variant) {
        if (variants.size() < kContractionVariantLimit)
            variants.push_back(std::move(variant));
        else
            variants.back() = std::move(variant);
    };
    auto replaced = [](std::string text, size_t at, size_t length, const std::string& by) {
        return text.replace(at, length, by);
    };

    for (size_t ki = 0; ki < table.size(); ++ki) {
        const Contraction& k = table[ki];
        if (places[ki].empty()) continue;
        const size_t c = places[ki].front();
        const std::string withFirst = replaced(s, c, k.LongForm.size(), k.ShortForm);
        add(withFirst);
        // Further pairs are looked for from the second character after the first match.
        const size_t from = c + k.LongForm.size() + 1;
        if (from >= s.size()) continue;
        for (size_t ji = 0; ji < table.size(); ++ji) {
            const Contraction& j = table[ji];
            const size_t g = firstFrom(ji, from);
            if (g == std::string::npos) continue;
            add(replaced(s, g, j.LongForm.size(), j.ShortForm));
            // The second match lies after the first, so replacing it first keeps c in place.
            add(replaced(replaced(s, g, j.LongForm.size(), j.ShortForm), c, k.LongForm.size(), k.ShortForm));
        }
    }
    return variants;
}

}  // namespace quillan
