// Word lists: the fixed columns, the ten "="-fields, the limits and the item mapping.

#include <gtest/gtest.h>

#include "course/data_errors.h"
#include "exercises/vocab/word_list.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// An entry line: group, sound-by-name, id, column 11, word class, headword, then the ten fields.
std::string Line(const std::string& group, const std::string& byName, int id, const std::string& rest,
                 const std::string& fields) {
    std::string idText = std::to_string(id);
    idText.insert(0, 5 - std::min<size_t>(5, idText.size()), ' ');
    return group + " " + byName + idText + " " + rest + fields;
}

std::string Header() {
    std::string header;
    for (int i = 1; i <= 10; ++i) header += "header line " + std::to_string(i) + "\r\n";
    return header;
}

VocabStore Read(const std::string& body, Problems* problems = nullptr) {
    LineReader reader(Header() + test::Crlf(body), "cw_r\\list.bc4");
    VocabStore store;
    Problems ignored;
    ReadWordList(reader, store, problems ? *problems : ignored);
    return store;
}

std::string ErrorOf(const std::string& body) {
    try {
        Read(body);
    } catch (const DataLineError& error) {
        return error.what();
    }
    return {};
}

TEST(WordList, ColumnsAndFields) {
    const VocabStore store =
        Read(Line("07", "0", 1234, "13 house ", "=dom = example pl = home/house = note = 42 =1= x = y = cw = 60001 ") + "\n");
    ASSERT_EQ(store.Entries.size(), 1u);
    const VocabEntry& e = store.Entries[0];
    EXPECT_EQ(e.Group, 7);
    EXPECT_EQ(e.SoundByName, 0);
    EXPECT_EQ(e.EntryId, 1234);
    EXPECT_EQ(e.Column11, 1);
    EXPECT_EQ(e.WordClass, 3);
    EXPECT_EQ(e.Headword, "house");
    EXPECT_EQ(e.Translation, "dom");
    EXPECT_EQ(e.SecondText, "example pl");
    EXPECT_EQ(e.Alternatives, "home/house");
    EXPECT_EQ(e.Note, "note");
    EXPECT_EQ(e.SoundRef, "42");
    EXPECT_TRUE(e.Flag6);
    EXPECT_TRUE(e.IsItem);
    EXPECT_EQ(e.ExampleId, 60001);
    EXPECT_EQ(store.ItemIds, std::vector<int>{1234});
    EXPECT_EQ(store.ItemCount, 1);
}

TEST(WordList, FieldRules) {
    struct Case {
        std::string line;
        std::string headword, soundRef;
        bool flag6, isItem;
        int example;
    };
    const Case cases[] = {
        // The character right before the first "=" never belongs to the headword.
        {Line("01", "0", 5, "10 house", "=a=====0===cw=1"), "hous", "", false, true, 1},
        {Line("01", " ", 5, "10   the house  ", "=========="), "the house", "", false, false, 0},
        {Line("01", "0", 5, "10 w ", "=a====0====="), "w", "", false, false, 0},     // sound 0: none
        {Line("01", "0", 5, "10 w ", "=a====-3====="), "w", "", false, false, 0},    // not positive: none
        {Line("01", "1", 5, "10 w ", "=a==== ab.wav ====="), "w", "ab.wav", false, false, 0},
        {Line("01", "0", 5, "10 w ", "=a=====2===CW="), "w", "", false, false, 0},   // "cw" exactly
        {Line("01", "0", 5, "10 w ", "=a========c w="), "w", "", false, false, 0},
        {Line("01", "0", 5, "10 w ", "=a========cw=5=more"), "", "", false, true, 0},  // "5=more" is no number
    };
    for (size_t i = 0; i + 1 < std::size(cases); ++i) {
        const Case& c = cases[i];
        const VocabStore store = Read(c.line + "\n");
        ASSERT_EQ(store.Entries.size(), 1u) << c.line;
        EXPECT_EQ(store.Entries[0].Headword, c.headword) << c.line;
        EXPECT_EQ(store.Entries[0].SoundRef, c.soundRef) << c.line;
        EXPECT_EQ(store.Entries[0].Flag6, c.flag6) << c.line;
        EXPECT_EQ(store.Entries[0].IsItem, c.isItem) << c.line;
        EXPECT_EQ(store.Entries[0].ExampleId, c.example) << c.line;
    }
    EXPECT_EQ(ErrorOf(cases[std::size(cases) - 1].line), "cw_r\\list.bc4:11: '5=more' is not a valid integer value");
}

TEST(WordList, LinesThatAreNoEntriesAndLinesThatStopTheLoad) {
    const std::string good = Line("01", "0", 5, "10 w ", "=a=========");
    // Short and empty lines are skipped; an id below 1 drops the line.
    Problems problems;
    const VocabStore store = Read("\n   \n1234567\n" + good + "\n" + Line("01", "0", 0, "10 x ", "=b========cw=") + "\n" +
                                  Line("01", "0", -3, "10 y ", "=c=========") + "\n");
    ASSERT_EQ(store.Entries.size(), 1u);
    EXPECT_EQ(store.Entries[0].Translation, "a");
    EXPECT_EQ(store.ItemCount, 0);
    EXPECT_TRUE(problems.Empty());

    // A file of only its header, or shorter.
    EXPECT_TRUE(Read("").Entries.empty());
    LineReader shortFile("a\r\nb", "x.bc4");
    VocabStore empty;
    ReadWordList(shortFile, empty, problems);
    EXPECT_TRUE(empty.Entries.empty());

    struct Case {
        std::string body;
        std::string error;
    };
    const Case cases[] = {
        {good + "\n12345678\n", "cw_r\\list.bc4:12: '' is not a valid integer value"},  // eight characters are parsed
        {"x1 0    5 10 w=a=========\n", "cw_r\\list.bc4:11: 'x1' is not a valid integer value"},
        {"01 x    5 10 w=a=========\n", "cw_r\\list.bc4:11: 'x' is not a valid integer value"},
        {"01 0   a5 10 w=a=========\n", "cw_r\\list.bc4:11: 'a5' is not a valid integer value"},
        {"01 0    5  0 w=a=========\n", "cw_r\\list.bc4:11: ' ' is not a valid integer value"},
        {"01 0    5 1x w=a=========\n", "cw_r\\list.bc4:11: 'x' is not a valid integer value"},
        {"01 0    5 10 w=a====abc=====\n", "cw_r\\list.bc4:11: 'abc' is not a valid integer value"},
        {"01 0    5 10 w=a=====y====\n", "cw_r\\list.bc4:11: 'y' is not a valid integer value"},
        // Fewer than ten "=": the last field runs from the start of the line.
        {"01 0    5 10 w=a=b=c\n", "cw_r\\list.bc4:11: '01 0    5 10 w=a=b=c' is not a valid integer value"},
    };
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.body), c.error) << c.body;

    // The entries before the error stay.
    LineReader reader(Header() + test::Crlf(good + "\nx1 bad line\n"), "l.bc4");
    VocabStore partial;
    EXPECT_THROW(ReadWordList(reader, partial, problems), ConversionError);
    EXPECT_EQ(partial.Entries.size(), 1u);
}

TEST(WordList, ReadingEndsWithThe300thItem) {
    std::string body;
    for (int id = 1; id <= 301; ++id) body += Line("01", "0", id, "10 w ", "=t========cw=") + "\n";
    body += Line("01", "0", 999, "10 d ", "=distractor=========") + "\n";
    Problems problems;
    const VocabStore store = Read(body, &problems);
    EXPECT_EQ(store.Entries.size(), 300u);
    EXPECT_EQ(store.ItemCount, 300);
    EXPECT_EQ(store.ItemIds.back(), 300);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Line, 311);
    EXPECT_EQ(problems.List()[0].Message, "the list holds 300 items, the last on line 310: lines 311 to 312 are not read");
}

TEST(WordList, EntriesBeyond5000AreIgnoredButReadingGoesOn) {
    std::string body;
    for (int id = 1; id <= 5001; ++id) body += Line("01", "0", id, "10 w ", "=t=========") + "\n";
    body += "this line is not even parsed\n";
    Problems problems;
    const VocabStore store = Read(body, &problems);
    EXPECT_EQ(store.Entries.size(), 5000u);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Line, 5011);
}

TEST(WordList, MissingFile) {
    test::TempDir dir;
    VocabStore store;
    Problems problems;
    // The learner's message, with the path as the system writes it.
    try {
        LoadWordList(dir.Path() + "cw_r\\none.bc4", store, problems);
        ADD_FAILURE() << "a missing list loaded";
    } catch (const FileError& error) {
        EXPECT_EQ(error.what(), "Brak pliku: " + dir.Path() + "cw_r/none.bc4");
    }

    dir.Write("cw_r/Some.bc4", Header() + test::Crlf(Line("01", "0", 5, "10 w ", "=t========cw=") + "\n"));
    LoadWordList(dir.Path() + "cw_r\\some.bc4", store, problems);
    EXPECT_EQ(store.ItemCount, 1);
}

TEST(WordList, MapItemsRemovesMissingItemsAndFillsTheHolesFromTheBack) {
    VocabStore store;
    for (int id : {5, 7, 8, 5, 9}) {
        store.Entries.emplace_back();
        store.Entries.back().EntryId = id;
    }
    EXPECT_EQ(FindEntryById(store, 5), 1);
    EXPECT_EQ(FindEntryById(store, 9), 5);
    EXPECT_EQ(FindEntryById(store, 6), -1);

    struct Case {
        std::vector<int> ids;
        std::vector<int> entries;
    };
    const Case cases[] = {
        {{5, 99, 7, 8}, {1, 3, 2}},  // the last item fills the hole
        {{5, 5}, {1, 1}},            // the same identifier twice: the first entry twice
        {{99, 98}, {}},
        {{}, {}},
        {{99}, {}},
        {{7}, {2}},
        {{99, 98, 9, 97, 8}, {3, 5}},
    };
    for (const Case& c : cases) {
        store.ItemIds = c.ids;
        store.ItemCount = static_cast<int>(c.ids.size());
        MapItems(store);
        EXPECT_EQ(store.ItemEntries, c.entries) << ::testing::PrintToString(c.ids);
        EXPECT_EQ(store.ItemCount, static_cast<int>(c.entries.size()));
    }
}

TEST(WordList, SoundPaths) {
    VocabStore store;
    for (const auto& [byName, ref] : std::vector<std::pair<int, std::string>>{
             {0, "7"}, {0, "1234"}, {1, "ab.wav"}, {0, ""}, {0, "0"}, {1, " "}, {0, "123456"}}) {
        store.Entries.emplace_back();
        store.Entries.back().SoundByName = byName;
        store.Entries.back().SoundRef = ref;
    }
    const std::string program = "C:\\Q\\", bsgram = "D:\\media\\bsgram\\";
    EXPECT_EQ(EntrySoundPath(store, 1, program, bsgram), bsgram + "D_00\\dd_000\\00007.wav");
    EXPECT_EQ(EntrySoundPath(store, 2, program, bsgram), bsgram + "D_01\\dd_012\\01234.wav");
    EXPECT_EQ(EntrySoundPath(store, 3, program, bsgram), program + "Nagrania\\ab.wav");
    EXPECT_EQ(EntrySoundPath(store, 4, program, bsgram), "");
    EXPECT_EQ(EntrySoundPath(store, 5, program, bsgram), "");
    EXPECT_EQ(EntrySoundPath(store, 6, program, bsgram), "");
    EXPECT_EQ(EntrySoundPath(store, 7, program, bsgram), bsgram + "D_12\\dd_123\\123456.wav");
    EXPECT_EQ(EntrySoundPath(store, 8, program, bsgram), "");
}

}  // namespace
}  // namespace quillan
