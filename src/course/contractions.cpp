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

std::vector<std::string> BuildContractionVariants(std::string_view sentence, const ContractionTable& table) {
    std::vector<std::string> variants;
    std::string s = Trim(sentence);
    if (s.empty()) return variants;
    if (s.front() != '\'') s.insert(0, 1, ' ');

    auto add = [&](std::string variant) {
        if (variants.size() < kContractionVariantLimit)
            variants.push_back(std::move(variant));
        else
            variants.back() = std::move(variant);
    };
    auto replaced = [](std::string text, size_t at, size_t length, const std::string& by) {
        return text.replace(at, length, by);
    };

    for (const Contraction& k : table) {
        if (k.LongForm.empty()) continue;
        const size_t c = s.find(k.LongForm);
        if (c == std::string::npos) continue;
        const std::string withFirst = replaced(s, c, k.LongForm.size(), k.ShortForm);
        add(withFirst);
        // Further pairs are looked for from the second character after the first match.
        const size_t from = c + k.LongForm.size() + 1;
        if (from >= s.size()) continue;
        for (const Contraction& j : table) {
            if (j.LongForm.empty()) continue;
            const size_t g = s.find(j.LongForm, from);
            if (g == std::string::npos) continue;
            add(replaced(s, g, j.LongForm.size(), j.ShortForm));
            // The second match lies after the first, so replacing it first keeps c in place.
            add(replaced(replaced(s, g, j.LongForm.size(), j.ShortForm), c, k.LongForm.size(), k.ShortForm));
        }
    }
    return variants;
}

}  // namespace quillan
