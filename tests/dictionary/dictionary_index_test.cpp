#include <gtest/gtest.h>

#include "dictionary/dictionary_index.h"

namespace quillan {
namespace {

std::vector<std::string> English(const std::vector<const DictionaryEntry*>& entries) {
    std::vector<std::string> out;
    for (const DictionaryEntry* e : entries) out.push_back(e->English);
    return out;
}

DictionaryIndex Sample() {
    DictionaryIndex index;
    index.Add({"meeting", "spotkanie", "The meeting starts at nine.", "Spotkanie zaczyna si\xEA o dziewi\xB9tej.", "a.wav"});
    index.Add({"agenda", "porz\xB9" "dek obrad", "", "", ""});
    index.Add({"to meet", "spotyka\xE6 si\xEA", "", "", ""});
    index.Add({"board meeting", "posiedzenie zarz\xB9" "du", "", "", ""});
    index.Add({"meetings room", "sala konferencyjna", "", "", ""});
    return index;
}

TEST(DictionaryIndex, WholeWordsComeFirstThenBeginningsThenTheRest) {
    const DictionaryIndex index = Sample();
    EXPECT_EQ(English(index.Search("meeting")), (std::vector<std::string>{"board meeting", "meeting", "meetings room"}));
    EXPECT_EQ(English(index.Search("MEET")), (std::vector<std::string>{"to meet", "meeting", "meetings room", "board meeting"}));
    EXPECT_EQ(English(index.Search("xyz")), std::vector<std::string>{});
}

TEST(DictionaryIndex, PolishSearchIgnoresLetterCaseOfPolishLetters) {
    const DictionaryIndex index = Sample();
    EXPECT_EQ(English(index.Search("PORZ\xA5" "DEK")), std::vector<std::string>{"agenda"});
    EXPECT_EQ(English(index.Search(" spotkanie ")), std::vector<std::string>{"meeting"});
}

TEST(DictionaryIndex, EmptyQueryListsEverythingAlphabeticallyWithinTheLimit) {
    const DictionaryIndex index = Sample();
    EXPECT_EQ(English(index.Search("")),
              (std::vector<std::string>{"agenda", "board meeting", "meeting", "meetings room", "to meet"}));
    EXPECT_EQ(index.Search("", 2).size(), 2u);
}

TEST(DictionaryIndex, RepeatedWordsMergeAndKeepTheirExample) {
    DictionaryIndex index;
    index.Add({"deal", "umowa", "", "", ""});
    index.Add({"Deal", "umowa", "It's a deal.", "Umowa stoi.", "deal.wav"});
    index.Add({"deal", "transakcja", "", "", ""});
    index.Add({"  ", "nic", "", "", ""});
    ASSERT_EQ(index.Size(), 2u);
    const auto found = index.Search("deal");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0]->Example, "It's a deal.");
    EXPECT_EQ(found[0]->SoundPath, "deal.wav");
}

}  // namespace
}  // namespace quillan
