#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "course/problems.h"
#include "platform/line_reader.h"

namespace quillan {

// One practice sentence of "zda_rozum.txt". A line holds the level digit (character 1), the
// group code (2-3), the section (4-5), eleven unread characters, then "="-fields: the four
// wordings, Extra (the recording's file name), an unread field and the translation.
struct Sentence {
    int Level = 0;
    std::string GroupCode;
    int Section = 0;
    std::string Variant1, Variant2, Variant3, Variant4;
    std::string Extra;
    std::string Translation;  // "Brak tlumaczenia!!!" when the line has none
    int VariantCount = 1;     // 1 to 4: the last of Variant2..Variant4 that is not blank
};
using Sentences = std::vector<Sentence>;  // sentence number n is element n - 1

// The sentences that share one level, group code and section, in file order.
struct Package {
    int Section = 0;
    int Level = 0;
    std::string GroupCode;
    int SentenceCount = 0;
    std::vector<int> Sentences;  // sentence numbers (1-based)
};
using Packages = std::vector<Package>;  // package number n is element n - 1

constexpr size_t kSentenceLimit = 2600;
constexpr size_t kPackageLimit = 450;
constexpr size_t kPackageSentenceLimit = 500;

// ConversionError when the level or the section is no number.
Sentence ParseSentenceLine(std::string_view line);

// Every line is a sentence, an empty one too.
void ReadSentences(LineReader& reader, Sentences& sentences, Problems& problems);

// Groups the sentences into packages: each sentence joins the package of its level, group code
// and section, or opens a new one. A sentence that fits neither an existing package nor a new
// one (tables full) is reported as a problem of `file`, whose line n is sentence n.
Packages BuildPackages(const Sentences& sentences, const std::string& file, Problems& problems);

}  // namespace quillan
