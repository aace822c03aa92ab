// Grammar of each course data file, as tables of small fixtures.

#include <gtest/gtest.h>

#include "course/catalog.h"
#include "course/course_texts.h"
#include "course/data_errors.h"
#include "course/data_file.h"
#include "course/language_tables.h"
#include "course/reference_tables.h"
#include "course/sentence_sets.h"
#include "course/sentences.h"
#include "course/text_exercises.h"
#include "platform/cp1250.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

LineReader Reader(const std::string& lf, const std::string& name = "file.txt") { return LineReader(test::Crlf(lf), name); }

// The error a reader stops with, as "file:line: detail"; empty when it does not stop.
template <class Read>
std::string ErrorOf(Read read) {
    try {
        read();
    } catch (const DataLineError& error) {
        return error.what();
    }
    return {};
}

TEST(Sentences, FixedColumnsAndFields) {
    const Sentence s = ParseSentenceLine("1AB05xxxxxxxxxxxI am late.=I'm late.===s00001.wav ==Sp\xF3\x9Fni\xB3\x65m si\xEA.=");
    EXPECT_EQ(s.Level, 1);
    EXPECT_EQ(s.GroupCode, "AB");
    EXPECT_EQ(s.Section, 5);
    EXPECT_EQ(s.Variant1, "I am late.");
    EXPECT_EQ(s.Variant2, "I'm late.");
    EXPECT_EQ(s.Variant3, "");
    EXPECT_EQ(s.Variant4, "");
    EXPECT_EQ(s.Extra, "s00001.wav");
    EXPECT_EQ(s.Translation, "Sp\xF3\x9Fni\xB3\x65m si\xEA.");
    EXPECT_EQ(s.VariantCount, 2);

    struct Case {
        const char* line;
        int variantCount;
        const char* translation;
    };
    const Case cases[] = {
        {"2CD12xxxxxxxxxxxA==C==x.wav==T=", 3, "T"},       // variants 1 and 3: the highest counts
        {"2CD12xxxxxxxxxxxA=B=C=D=x.wav==T=", 4, "T"},
        {"2CD12xxxxxxxxxxxA= =  ==x.wav==T=", 1, "T"},     // blank variants do not count
        {"2CD12xxxxxxxxxxxA=", 1, "Brak tlumaczenia!!!"},  // no translation
        {"2CD12xxxxxxxxxxxA=B=C=D=E=F=", 4, "Brak tlumaczenia!!!"},
        {"2CD 7", 1, "Brak tlumaczenia!!!"},              // a section with a leading blank
    };
    for (const Case& c : cases) {
        const Sentence parsed = ParseSentenceLine(c.line);
        EXPECT_EQ(parsed.VariantCount, c.variantCount) << c.line;
        EXPECT_EQ(parsed.Translation, c.translation) << c.line;
    }
    EXPECT_EQ(ParseSentenceLine("2CD 7").Section, 7);
}

TEST(Sentences, NumbersThatAreNoNumbersStopTheLoadAtTheirLine) {
    struct Case {
        const char* file;
        const char* error;
    };
    const Case cases[] = {
        {"1AB05xxxxxxxxxxxA=\nXAB05xxxxxxxxxxxB=\n", "zda_rozum.txt:2: 'X' is not a valid integer value"},
        {"1AB5xxxxxxxxxxxxA=\n", "zda_rozum.txt:1: '5x' is not a valid integer value"},
        {"1AB05xxxxxxxxxxxA=\n\n1AB05xxxxxxxxxxxB=\n", "zda_rozum.txt:2: '' is not a valid integer value"},  // every line is a sentence
        {"1AB05xxxxxxxxxxxA=\n1AB05", ""},  // no final line end, no fields: a sentence all the same
    };
    for (const Case& c : cases) {
        Sentences sentences;
        Problems problems;
        LineReader reader = Reader(c.file, "zda_rozum.txt");
        EXPECT_EQ(ErrorOf([&] { ReadSentences(reader, sentences, problems); }), c.error) << c.file;
    }
}

TEST(Sentences, PackagesGroupLevelGroupCodeAndSectionInFileOrder) {
    Sentences sentences;
    Problems problems;
    LineReader reader = Reader(
        "1AB05xxxxxxxxxxxa=\n"
        "2AB05xxxxxxxxxxxb=\n"
        "1AB06xxxxxxxxxxxc=\n"
        "1AC05xxxxxxxxxxxd=\n"
        "1AB05xxxxxxxxxxxe=\n");
    ReadSentences(reader, sentences, problems);
    const Packages packages = BuildPackages(sentences, "zda_rozum.txt", problems);
    ASSERT_EQ(packages.size(), 4u);
    EXPECT_EQ(packages[0].Sentences, (std::vector<int>{1, 5}));
    EXPECT_EQ(packages[0].SentenceCount, 2);
    EXPECT_EQ(packages[0].Level, 1);
    EXPECT_EQ(packages[0].GroupCode, "AB");
    EXPECT_EQ(packages[0].Section, 5);
    EXPECT_EQ(packages[1].Sentences, std::vector<int>{2});
    EXPECT_EQ(packages[2].Sentences, std::vector<int>{3});
    EXPECT_EQ(packages[3].Sentences, std::vector<int>{4});
    EXPECT_TRUE(problems.Empty());
}

TEST(Sentences, FullTablesLeaveTheSurplusOutAndSaySo) {
    // 2601 lines: the last one is left out of the sentence table.
    std::string file;
    for (int i = 0; i < 2601; ++i) file += "1AB05xxxxxxxxxxxa=\n";
    Sentences sentences;
    Problems problems;
    LineReader reader = Reader(file, "zda_rozum.txt");
    ReadSentences(reader, sentences, problems);
    EXPECT_EQ(sentences.size(), 2600u);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Line, 2601);
    EXPECT_EQ(problems.List()[0].Message, "the table holds 2600 sentences: this line is left out");

    // One package holds 500 sentences.
    const Packages packages = BuildPackages(sentences, "zda_rozum.txt", problems);
    ASSERT_EQ(packages.size(), 1u);
    EXPECT_EQ(packages[0].SentenceCount, 500);
    ASSERT_EQ(problems.List().size(), 2u);
    EXPECT_EQ(problems.List()[1].Line, 501);
    EXPECT_EQ(problems.List()[1].Message, "the package holds 500 sentences: this sentence and the later ones of its package are left out");

    // 451 different packages: the 451st cannot be opened.
    Sentences many;
    for (int level = 0; level < 5; ++level)
        for (int section = 0; section < 100 && many.size() < 451; ++section)
            many.push_back(ParseSentenceLine(std::to_string(level) + "AB" + (section < 10 ? "0" : "") + std::to_string(section)));
    Problems packageProblems;
    EXPECT_EQ(BuildPackages(many, "zda_rozum.txt", packageProblems).size(), 450u);
    ASSERT_EQ(packageProblems.List().size(), 1u);
    EXPECT_EQ(packageProblems.List()[0].Line, 451);
}

TEST(CourseTexts, FourFieldsConvertedAsWritten) {
    Problems problems;
    CourseTexts texts;
    LineReader reader = Reader("/ comment\n12=1=3=Meeting=\n 7=2=4=No end\n");
    ReadCourseTexts(reader, texts, problems);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].TextNumber, 12);
    EXPECT_EQ(texts[0].Level, 1);
    EXPECT_EQ(texts[0].Section, 3);
    EXPECT_EQ(texts[0].Title, "Meeting");
    EXPECT_EQ(texts[1].TextNumber, 7);
    EXPECT_EQ(texts[1].Title, "");  // without its closing "=" the title is empty

    for (const auto& [file, error] : std::vector<std::pair<std::string, std::string>>{
             {"12=1=3=T=\n\n", "rozumienie_a.txt:2: '' is not a valid integer value"},  // an empty line is no comment
             {"12 =1=3=T=\n", "rozumienie_a.txt:1: '12 ' is not a valid integer value"},
             {"12=1=\n", "rozumienie_a.txt:1: '' is not a valid integer value"},
         }) {
        CourseTexts table;
        LineReader bad = Reader(file, "rozumienie_a.txt");
        EXPECT_EQ(ErrorOf([&] { ReadCourseTexts(bad, table, problems); }), error);
    }
}

TEST(SentenceSets, ComprehensionRecordingAndDragDropLines) {
    const ComprehensionSentence c = ParseComprehensionLine(" k1 = snd = pl = en = p1 = p2 = p3 = extra");
    EXPECT_EQ(c.Key, "k1");
    EXPECT_EQ(c.SoundName, "snd");
    EXPECT_EQ(c.Polish, "pl");
    EXPECT_EQ(c.English, "en");
    EXPECT_EQ(c.Pictures, (std::array<std::string, 4>{"p1", "p2", "p3", ""}));

    const RecordingSentence r = ParseRecordingLine("AB123 s001=Hello there. =rest");
    EXPECT_EQ(r.Id, "AB123");
    EXPECT_EQ(r.Text1, "s001");
    EXPECT_EQ(r.Text2, "Hello there. ");
    EXPECT_EQ(ParseRecordingLine("AB").Id, "AB");

    struct Case {
        const char* line;
        const char* sentence;
        const char* answer;
    };
    const Case cases[] = {
        {"DD001 I <went to> the <big shop>.=I <went> to=", "I <went+to> the <big shop>.", "I went to"},
        {"DD002 no gap here=<<a>>=", "no gap here", "a"},
        {"DD003 open < only=x=", "open < only", "x"},
        {"DD004 close > then <a b>=x=", "close > then <a+b>", "x"},
        {"DD005", "", ""},
    };
    for (const Case& k : cases) {
        const DragDropSentence d = ParseDragDropLine(k.line);
        EXPECT_EQ(d.Sentence, k.sentence) << k.line;
        EXPECT_EQ(d.Answer, k.answer) << k.line;
    }
    EXPECT_EQ(ParseDragDropLine("DD001 x=y=").Id, "DD001");
}

TEST(SentenceSets, CommentRules) {
    Problems problems;
    ComprehensionSentences comprehension;
    LineReader rozum = Reader("// comment\n/ not a comment=\n\nk=s=p=e=a=b=c=\n");
    ReadComprehensionSentences(rozum, comprehension, problems);
    ASSERT_EQ(comprehension.size(), 3u);
    EXPECT_EQ(comprehension[0].Key, "/ not a comment");
    EXPECT_EQ(comprehension[1].Key, "");  // an empty line is an entry with every field empty
    EXPECT_EQ(comprehension[2].Pictures[2], "c");

    RecordingSentences recording;
    LineReader zdn = Reader("// no comment here\n\n");
    ReadRecordingSentences(zdn, recording, problems);
    EXPECT_EQ(recording.size(), 2u);
    EXPECT_TRUE(problems.Empty());
}

TEST(ReferenceTables, LettersOpenTasksAndGlossary) {
    const Letter letter = ParseLetterLine("list1=2= 3=45=rest=of line");
    EXPECT_EQ(letter.FileName, "list1");
    EXPECT_EQ(letter.Section, "2");
    EXPECT_EQ(letter.Level, " 3");
    EXPECT_EQ(letter.GlossaryNumber, "45");
    EXPECT_EQ(letter.Rest, "rest=of line");

    Problems problems;
    OpenTasks tasks;
    LineReader otwarte = Reader("/ comment\n 1 = 2 = 3 = first = second =\n");
    ReadOpenTasks(otwarte, tasks, problems);
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].Number, 1);
    EXPECT_EQ(tasks[0].Section, 2);
    EXPECT_EQ(tasks[0].Level, 3);
    EXPECT_EQ(tasks[0].Text1, "first");
    EXPECT_EQ(tasks[0].Text2, "second");
    OpenTasks bad;
    LineReader badTasks = Reader("1=x=3=a=b=\n", "otwarte.txt");
    EXPECT_EQ(ErrorOf([&] { ReadOpenTasks(badTasks, bad, problems); }), "otwarte.txt:1: 'x' is not a valid integer value");

    const GlossaryEntry entry = ParseGlossaryLine("12=to meet = spotkać się=");
    EXPECT_EQ(entry.Number, 12);
    EXPECT_EQ(entry.Text, "to meet = spotkać się=");  // everything after the first "=", untrimmed
    Glossary glossary;
    LineReader badGlossary = Reader("1=a\nno number\n", "slowniczek.txt");
    EXPECT_EQ(ErrorOf([&] { ReadGlossary(badGlossary, glossary); }), "slowniczek.txt:2: '' is not a valid integer value");
}

TEST(ReferenceTables, TheGlossaryHolds250LinesAndStopsTheProgramBeyond) {
    std::string file;
    for (int i = 1; i <= 250; ++i) file += std::to_string(i) + "=text\n";
    Glossary glossary;
    LineReader full = Reader(file, "slowniczek.txt");
    ReadGlossary(full, glossary);
    EXPECT_EQ(glossary.size(), 250u);

    Glossary over;
    LineReader tooLong = Reader(file + "\n", "slowniczek.txt");  // an empty 251st line counts too
    try {
        ReadGlossary(tooLong, over);
        FAIL() << "no stop";
    } catch (const CourseStop& stop) {
        EXPECT_STREQ(stop.what(), "Za duza ilosc linijek slowniczka!!!");
        EXPECT_EQ(stop.Place().File, "slowniczek.txt");
        EXPECT_EQ(stop.Place().Line, 251);
    }
    EXPECT_EQ(over.size(), 250u);
}

TEST(LanguageTables, InterfaceTextsDisplayNamesAndSections) {
    EXPECT_EQ(ParseInterfaceTextLine("5=first=Text three=rest=more"), "Text three");
    EXPECT_EQ(ParseInterfaceTextLine(" 5 =a=b"), "");  // the third field needs its "="
    Problems problems;
    InterfaceTexts texts;
    LineReader infa = Reader("9=a=one=\n3=b=two=\n", "Lang_r\\0\\infa_r.txt");
    ReadInterfaceTexts(infa, texts, problems);
    EXPECT_EQ(UiText(texts, 2), "two");  // by position, not by the number on the line
    InterfaceTexts bad;
    LineReader badInfa = Reader("9=a=one=\nx=b=two=\n", "Lang_r\\0\\infa_r.txt");
    EXPECT_EQ(ErrorOf([&] { ReadInterfaceTexts(badInfa, bad, problems); }),
              "Lang_r\\0\\infa_r.txt:2: 'x' is not a valid integer value");

    const DisplayNameEntry name = ParseDisplayNameLine("S0001=Words = at work=");
    EXPECT_EQ(name.Key, "S0001");
    EXPECT_EQ(name.Name, "Words = at work=");
    const DisplayNameEntry noKey = ParseDisplayNameLine("no separator");
    EXPECT_EQ(noKey.Key, "");
    EXPECT_EQ(noKey.Name, "no separator");

    const Section section = ParseSectionLine("1=x=Dzia\xB3 pierwszy=D01=more");
    EXPECT_EQ(section.SectionName, "Dzia\xB3 pierwszy");
    EXPECT_EQ(section.SectionCode, "D01");
}

TEST(LanguageTables, DisplayName) {
    const DisplayNames names = {{"S0001", "Words"}, {"S0001", "Second"}, {"Meeting", "The meeting"}};
    const Sections sections = {{"Greetings", "D01"}, {"Phone calls", "D02"}};
    struct Case {
        const char* title;
        const char* shown;
    };
    const Case cases[] = {
        {"S0001", "Words"},               // the first entry with that key
        {"s0001", "s0001"},               // letter case counts
        {"Unknown", "Unknown"},           // no entry: the title itself
        {"DZIAL=D02=(5)", "Phone calls (5)"},
        {"DZIAL=D01=", "Greetings "},
        {"DZIAL=XX=(5)", "DZIAL=XX=(5)"},  // no section with that code: unchanged
        {"DZIAL=D01", "DZIAL=D01"},        // no "=" after the code: the code is empty
        {"dzial=D01=(5)", "dzial=D01=(5)"},
    };
    const DisplayNameIndex index(names, sections);
    for (const Case& c : cases) {
        EXPECT_EQ(DisplayName(c.title, names, sections), c.shown) << c.title;
        EXPECT_EQ(index(c.title), c.shown) << "by the index: " << c.title;
    }
}

TEST(Catalog, EntriesOfFiveLines) {
    Problems problems;
    Catalog catalog;
    LineReader reader = Reader(
        "* comment\n"
        "AB01110261\n"
        "  line two  \n"
        "line three\n"
        "line four\n"
        "----\n"
        "\n"
        "   \n"
        " CD01530299 \n"
        "* not a comment here\n"
        "x\n"
        "y",  // the separator line of the last entry may be missing
        "kurs_cwicz.vrk");
    ReadCatalog(reader, catalog, problems);
    ASSERT_EQ(catalog.size(), 2u);
    EXPECT_EQ(catalog[0].Code, "AB01110202");  // section 61 is section 2
    EXPECT_EQ(catalog[0].Line2, "line two");
    EXPECT_EQ(catalog[0].Line3, "line three");
    EXPECT_EQ(catalog[0].Line4, "line four");
    EXPECT_EQ(catalog[1].Code, "CD01530240");
    EXPECT_EQ(catalog[1].Line2, "* not a comment here");
    EXPECT_EQ(catalog[1].Line4, "y");

    struct Case {
        const char* codeLine;
        const char* code;
    };
    for (const Case& c : {Case{"AB01110205", "AB01110205"}, Case{"AB01110260", "AB01110201"}, Case{"AB011102 9", "AB01110209"},
                          Case{"AB01110259xyz", "AB01110259"}, Case{"AB01110212", "AB01110212"}})
        EXPECT_EQ(CatalogCode(c.codeLine), c.code) << c.codeLine;

    for (const char* bad : {"AB011102x1\n", "AB01\n", "AB0111021-\n"}) {
        Catalog table;
        LineReader badReader = Reader(std::string("* c\n") + bad, "kurs_cwicz.vrk");
        EXPECT_NE(ErrorOf([&] { ReadCatalog(badReader, table, problems); }).rfind("kurs_cwicz.vrk:2: '", 0), std::string::npos)
            << bad;
        EXPECT_TRUE(table.empty());
    }
}

TEST(Catalog, MissingFilesAndTheLimitOfBothFiles) {
    test::TempDir dir;
    test::FakeMessages messages;
    Problems problems;
    Catalog catalog;
    LoadCatalog(dir.Path(), "kurs_cwicz.vrk", catalog, problems, &messages);
    EXPECT_TRUE(catalog.empty());
    const std::string message = "Nie znaleziono pliku " + dir.Path() + "kurs_cwicz.vrk";
    EXPECT_EQ(messages.shown, std::vector<std::string>{message});
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].File, "kurs_cwicz.vrk");
    EXPECT_EQ(problems.List()[0].Message, message);

    // 60 entries in each file: the second file's last 20 do not fit the 100 of the catalog.
    std::string sixty;
    for (int i = 0; i < 60; ++i) sixty += "AB01110201\na\nb\nc\n-\n";
    dir.Write("kurs_cwicz.vrk", test::Crlf(sixty));
    dir.Write("kurs_cwicz2.vrk", test::Crlf(sixty));
    Problems limits;
    catalog.clear();
    LoadCatalog(dir.Path(), "kurs_cwicz.vrk", catalog, limits, nullptr);
    LoadCatalog(dir.Path(), "kurs_cwicz2.vrk", catalog, limits, nullptr);
    EXPECT_EQ(catalog.size(), 100u);
    ASSERT_EQ(limits.List().size(), 1u);
    EXPECT_EQ(limits.List()[0].File, "kurs_cwicz2.vrk");
    EXPECT_EQ(limits.List()[0].Line, 201);
    EXPECT_EQ(limits.List()[0].Message, "the table holds 100 catalog entries: lines 201 to 300 are left out");
}

TEST(TextExercises, EntriesOfThreeLines) {
    Problems problems;
    TextExerciseList list;
    LineReader reader = Reader(
        "/ comment\n"
        "\n"
        "  x#12#a#b#c#  \n"
        " MC#question one \n"
        "0=120==\n"
        "y#13#\n"
        "ZDD\n",  // ends before its layout line
        "St_a.txt");
    ReadTextExerciseList(reader, list, problems);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Header, "x#12#a#b#c#");
    EXPECT_EQ(list[0].TypeLine, "MC#question one");
    EXPECT_EQ(list[0].LayoutLine, "0=120==");
    EXPECT_EQ(TypeCode(list[0]), "MC");
    EXPECT_EQ(TextNumberOf(list[0]), 12);
    EXPECT_EQ(TypeCode(list[1]), "");  // a type line without "#" has no type code
    EXPECT_EQ(list[1].LayoutLine, "");

    EXPECT_EQ(FindTextExerciseType("ZDD")->Kind, 47);
    EXPECT_EQ(FindTextExerciseType("WP")->Window, TextExerciseWindow::Typing);
    EXPECT_EQ(FindTextExerciseType("mc"), nullptr);
}

TEST(TextExercises, LayoutValues) {
    struct Case {
        const char* line;
        LayoutValues values;
    };
    const Case cases[] = {
        {"0=120==", {-1, 120, -1, -1, -1, -1, -1, -1, -1, -1}},
        {"1=2=3=4=5=6=7=8=9=10=11=", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {" 50 = 00 =-3=", {50, 0, -3, -1, -1, -1, -1, -1, -1, -1}},  // only "0" itself asks for the default
        {"+0= 0 =", {0, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
        {"50", {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},  // a value without its "=" is missing
        {"", {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1}},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseLayout(c.line), c.values) << c.line;
    EXPECT_THROW(ParseLayout("1=x="), ConversionError);
}

TEST(TextExercises, TheListHolds300) {
    std::string file;
    for (int i = 0; i < 301; ++i) file += "h#1#\nMC#\n0=\n";
    Problems problems;
    TextExerciseList list;
    LineReader reader = Reader(file, "St_a.txt");
    ReadTextExerciseList(reader, list, problems);
    EXPECT_EQ(list.size(), 300u);
    ASSERT_EQ(problems.List().size(), 1u);
    EXPECT_EQ(problems.List()[0].Line, 901);
    EXPECT_EQ(problems.List()[0].Message, "the table holds 300 text exercises: lines 901 to 903 are left out");
}

TEST(DataFile, CountLines) {
    for (const auto& [bytes, lines] : std::vector<std::pair<std::string, size_t>>{
             {"", 0}, {"a", 1}, {"a\r\n", 1}, {"a\r\nb", 2}, {"\n\n", 2}, {"\r", 1}})
        EXPECT_EQ(CountLines(bytes), lines) << ::testing::PrintToString(bytes);
}

// Hostile bytes through every line reader: each reads them by its rules or stops with an error
// that names the file and the line; none crashes or reads past its buffer (the sanitizer and
// fuzz builds check the latter).
TEST(BadInput, EveryReaderReadsOrNamesFileAndLine) {
    std::string everyByte;
    for (int b = 1; b < 256; ++b)
        if (b != '\n') everyByte += static_cast<char>(b);
    const std::string inputs[] = {
        "",
        "\r\n",
        "no final line end",
        everyByte,
        std::string(1 << 20, '='),
        std::string(1 << 20, 'x') + "\r\n" + everyByte,
        std::string("1AB05") + std::string(100, '\0') + "=",
        "=#=#=#=#=#=#=#=#=#=#=#",
    };
    using ReadFn = void (*)(LineReader&, Problems&);
    const std::pair<const char*, ReadFn> readers[] = {
        {"sentences", [](LineReader& r, Problems& p) { Sentences t; ReadSentences(r, t, p); }},
        {"texts", [](LineReader& r, Problems& p) { CourseTexts t; ReadCourseTexts(r, t, p); }},
        {"comprehension", [](LineReader& r, Problems& p) { ComprehensionSentences t; ReadComprehensionSentences(r, t, p); }},
        {"recording", [](LineReader& r, Problems& p) { RecordingSentences t; ReadRecordingSentences(r, t, p); }},
        {"dragdrop", [](LineReader& r, Problems& p) { DragDropSentences t; ReadDragDropSentences(r, t, p); }},
        {"letters", [](LineReader& r, Problems& p) { Letters t; ReadLetters(r, t, p); }},
        {"open-tasks", [](LineReader& r, Problems& p) { OpenTasks t; ReadOpenTasks(r, t, p); }},
        {"glossary", [](LineReader& r, Problems&) { Glossary t; ReadGlossary(r, t); }},
        {"ui-texts", [](LineReader& r, Problems& p) { InterfaceTexts t; ReadInterfaceTexts(r, t, p); }},
        {"display-names", [](LineReader& r, Problems& p) { DisplayNames t; ReadDisplayNames(r, t, p); }},
        {"sections", [](LineReader& r, Problems& p) { Sections t; ReadSections(r, t, p); }},
        {"catalog", [](LineReader& r, Problems& p) { Catalog t; ReadCatalog(r, t, p); }},
        {"text-exercises", [](LineReader& r, Problems& p) {
             TextExerciseList t;
             ReadTextExerciseList(r, t, p);
             for (const TextExercise& e : t) ParseLayout(e.LayoutLine);
         }},
    };
    for (const auto& [name, read] : readers) {
        for (const std::string& input : inputs) {
            LineReader reader(input, "data.txt");
            Problems problems;
            try {
                read(reader, problems);
            } catch (const DataLineError& error) {
                EXPECT_EQ(error.Place().File, "data.txt") << name;
                EXPECT_GE(error.Place().Line, 1) << name;
            } catch (const ConversionError& error) {
                // Only the layout line is parsed outside the reader (when an exercise opens).
                EXPECT_STREQ(name, "text-exercises") << error.what();
            }
        }
    }
}

}  // namespace
}  // namespace quillan
