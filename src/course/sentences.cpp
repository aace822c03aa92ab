#include "course/sentences.h"

#include <map>
#include <tuple>

#include "course/data_file.h"
#include "text/text_utils.h"

namespace quillan {

Sentence ParseSentenceLine(std::string_view line) {
    Sentence sentence;
    FieldCursor fields(line);
    sentence.Level = StrToInt(fields.TakeChars(1));
    sentence.GroupCode = std::string(fields.TakeChars(2));
    sentence.Section = StrToInt(fields.TakeChars(2));
    fields.Skip(11);
    sentence.Variant1 = std::string(fields.Take());
    sentence.Variant2 = std::string(fields.Take());
    sentence.Variant3 = std::string(fields.Take());
    sentence.Variant4 = std::string(fields.Take());
    sentence.Extra = std::string(TrimView(fields.Take()));
    fields.Take();
    sentence.Translation = std::string(fields.Take());
    if (sentence.Translation.empty()) sentence.Translation = "Brak tlumaczenia!!!";
    if (!TrimView(sentence.Variant2).empty()) sentence.VariantCount = 2;
    if (!TrimView(sentence.Variant3).empty()) sentence.VariantCount = 3;
    if (!TrimView(sentence.Variant4).empty()) sentence.VariantCount = 4;
    return sentence;
}

void ReadSentences(LineReader& reader, Sentences& sentences, Problems& problems) {
    const TableRules rules{"sentences", kSentenceLimit};
    ReadTable(reader, rules, sentences, problems, ParseSentenceLine);
}

Packages BuildPackages(const Sentences& sentences, const std::string& file, Problems& problems) {
    // A sentence can match one package only: a new package is opened only when none matches.
    Packages packages;
    std::map<std::tuple<int, std::string_view, int>, size_t> byKey;
    for (size_t i = 0; i < sentences.size(); ++i) {
        const Sentence& sentence = sentences[i];
        const int number = static_cast<int>(i) + 1;
        const auto key = std::make_tuple(sentence.Level, std::string_view(sentence.GroupCode), sentence.Section);
        if (const auto found = byKey.find(key); found != byKey.end()) {
            Package& package = packages[found->second];
            if (package.Sentences.size() >= kPackageSentenceLimit) {
                problems.Add(file, number, "the package holds " + std::to_string(kPackageSentenceLimit) +
                                               " sentences: this sentence is left out of it");
                continue;
            }
            package.Sentences.push_back(number);
            package.SentenceCount = static_cast<int>(package.Sentences.size());
            continue;
        }
        if (packages.size() >= kPackageLimit) {
            problems.Add(file, number, "the table holds " + std::to_string(kPackageLimit) +
                                           " packages: this sentence would open another one and is left out");
            continue;
        }
        byKey.emplace(key, packages.size());
        packages.push_back(Package{sentence.Section, sentence.Level, sentence.GroupCode, 1, {number}});
    }
    return packages;
}

}  // namespace quillan
