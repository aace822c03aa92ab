#include "exercises/sentences/dictation.h"

#include "platform/ascii.h"
#include "text/text_utils.h"

namespace quillan {

std::vector<std::string> AcceptedWordings(const Sentence& sentence) {
    const std::string* all[] = {&sentence.Variant1, &sentence.Variant2, &sentence.Variant3, &sentence.Variant4};
    std::vector<std::string> wordings;
    for (int k = 1; k <= sentence.VariantCount && k <= 4; ++k) {
        const std::string& wording = *all[k - 1];
        if (!TrimView(wording).empty()) wordings.push_back(wording);
    }
    return wordings;
}

std::string ShownWording(const Sentence& sentence) {
    switch (sentence.VariantCount) {
        case 2: return Trim(sentence.Variant2);
        case 3: return Trim(sentence.Variant3);
        case 4: return Trim(sentence.Variant4);
        default: return Trim(sentence.Variant1);
    }
}

namespace {

bool Blank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Whether `text`, tidied by NormalizeSentence and folded, could read as `given` (tidied and
// folded already). The tidying only takes blanks away or adds them, and takes off one final "."
// or "?": the characters other than blanks stay, in their order. So a text whose other
// characters differ cannot match, and needs no tidying to tell.
bool CouldRead(std::string_view given, std::string_view text, bool caseSensitive) {
    size_t g = 0;
    for (size_t t = 0; t < text.size(); ++t) {
        const char c = caseSensitive ? text[t] : LowerAscii(text[t]);
        if (Blank(c)) continue;
        while (g < given.size() && Blank(given[g])) ++g;
        if (g < given.size() && given[g] == c) {
            ++g;
            continue;
        }
        // Only a final "." or "?" may be missing from `given`.
        if (c != '.' && c != '?') return false;
        for (size_t rest = t + 1; rest < text.size(); ++rest)
            if (!Blank(text[rest])) return false;
        break;
    }
    while (g < given.size() && Blank(given[g])) ++g;
    return g == given.size();
}

}  // namespace

bool DictationAccepts(std::string_view answer, const std::vector<std::string>& wordings,
                      const ContractionTable& contractions, bool caseSensitive) {
    auto fold = [caseSensitive](std::string text) { return caseSensitive ? text : LowerAscii(text); };
    const std::string given = fold(NormalizeSentence(answer));
    auto reads = [&](std::string_view text) {
        return CouldRead(given, text, caseSensitive) && fold(NormalizeSentence(text)) == given;
    };
    // Without letter case the long forms are looked for in the folded wording, with the table
    // folded too: " I am" is found in "I am late" and " it is" in "It is late".
    ContractionTable folded;
    if (!caseSensitive) {
        folded.reserve(contractions.size());
        for (const Contraction& pair : contractions) folded.push_back({LowerAscii(pair.LongForm), LowerAscii(pair.ShortForm)});
    }
    const ContractionTable& table = caseSensitive ? contractions : folded;
    for (const std::string& wording : wordings) {
        const std::string expected = fold(NormalizeSentence(wording));
        if (expected.empty()) continue;
        if (expected == given) return true;
        for (const std::string& variant : BuildContractionVariants(expected, table))
            if (reads(variant)) return true;
    }
    return false;
}

}  // namespace quillan
