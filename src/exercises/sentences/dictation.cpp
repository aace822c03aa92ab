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

bool DictationAccepts(std::string_view answer, const std::vector<std::string>& wordings,
                      const ContractionTable& contractions, bool caseSensitive) {
    auto fold = [caseSensitive](std::string text) { return caseSensitive ? text : LowerAscii(text); };
    const std::string given = fold(NormalizeSentence(answer));
    for (const std::string& wording : wordings) {
        // The short forms are looked for in the wording as written: the table's long forms have
        // their capitals (" I am"), which a wording turned into lower case would no longer hold.
        const std::string expected = NormalizeSentence(wording);
        if (expected.empty()) continue;
        if (fold(expected) == given) return true;
        for (const std::string& variant : BuildContractionVariants(expected, contractions))
            if (fold(NormalizeSentence(variant)) == given) return true;
    }
    return false;
}

}  // namespace quillan
