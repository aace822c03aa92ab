#include "dictionary/dictionary_content.h"

#include "course/problems.h"
#include "course/reference_tables.h"
#include "text/answer_text.h"
#include "exercises/vocab/word_list.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kFirstExampleId = 60000;  // entries from here on are sentences, not words

void AddWordList(const StartupState& state, const std::string& path, DictionaryIndex& index) {
    VocabStore store;
    Problems problems;
    try {
        LoadWordList(path, store, problems);
    } catch (const std::exception&) {
        // What was read before a bad line still serves.
    }
    for (size_t i = 0; i < store.Entries.size(); ++i) {
        const VocabEntry& word = store.Entries[i];
        if (word.EntryId >= kFirstExampleId) continue;
        DictionaryEntry entry{StripMarkers(word.Headword), word.Translation, {}, {},
                              EntrySoundPath(store, static_cast<int>(i) + 1, state.ProgramDir, state.BsgramDir)};
        if (word.ExampleId > 0) {
            const int example = FindEntryById(store, word.ExampleId);
            if (example > 0) {
                entry.Example = StripMarkers(store.Entries[static_cast<size_t>(example) - 1].Headword);
                entry.ExampleTranslation = store.Entries[static_cast<size_t>(example) - 1].SecondText;
            }
        }
        index.Add(std::move(entry));
    }
}

void AddGlossary(const StartupState& state, DictionaryIndex& index) {
    auto file = LineReader::OpenIfExists(state.ProgramDir + "slowniczek.txt");
    if (!file) return;
    Glossary glossary;
    try {
        ReadGlossary(*file, glossary);
    } catch (const std::exception&) {
    }
    for (const GlossaryEntry& entry : glossary) {
        std::string text = GlossaryPlainText(entry.Text);
        if (!text.empty()) index.Add({std::move(text), {}, {}, {}, {}});
    }
}

}  // namespace

std::string GlossaryPlainText(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const size_t close = c == '<' ? text.find('>', i) : c == '[' ? text.find(']', i) : std::string_view::npos;
        if (close != std::string_view::npos) {
            out += ' ';
            i = close + 1;
            continue;
        }
        out += c == '@' ? ' ' : c;
        ++i;
    }
    return NormalizeSpacing(out, ' ');
}

DictionaryIndex BuildDictionary(const StartupState& state) {
    DictionaryIndex index;
    for (const std::string& name : ListFiles(state.ProgramDir + "cw_r", ".bc4")) AddWordList(state, state.ProgramDir + "cw_r\\" + name, index);
    AddGlossary(state, index);
    return index;
}

}  // namespace quillan
