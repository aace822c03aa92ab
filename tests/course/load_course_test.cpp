// Loading a whole installation: the order, required and optional files, reloading the
// language tables, and the check that goes on past errors.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

#include "course/data_errors.h"
#include "course/load_course.h"
#include "installation_fixture.h"
#include "support/fakes.h"

namespace quillan {
namespace {

size_t Count(const Course& c, std::string_view table) {
    if (table == "ui-texts") return c.interfaceTexts.size();
    if (table == "display-names") return c.displayNames.size();
    if (table == "sections") return c.sections.size();
    if (table == "contractions") return c.contractions.size();
    if (table == "texts") return c.texts.size();
    if (table == "sentences") return c.sentences.size();
    if (table == "packages") return c.packages.size();
    if (table == "catalog") return c.catalog.size();
    if (table == "comprehension") return c.comprehension.size();
    if (table == "recording") return c.recording.size();
    if (table == "dragdrop") return c.dragDrop.size();
    if (table == "letters") return c.letters.size();
    if (table == "glossary") return c.glossary.size();
    if (table == "text-exercises") return c.textExercises.size();
    if (table == "open-tasks") return c.openTasks.size();
    if (table == "dialogues") return c.dialogues.size();
    ADD_FAILURE() << "unknown table " << table;
    return 0;
}

TEST(LoadCourse, EveryTableInStartUpOrder) {
    std::vector<std::string_view> order;
    for (const CourseLoadStep& step : CourseLoadSteps()) order.insert(order.end(), step.Tables.begin(), step.Tables.end());
    EXPECT_EQ(order, (std::vector<std::string_view>{"ui-texts", "display-names", "sections", "contractions", "texts",
                                                     "sentences", "packages", "catalog", "comprehension", "recording",
                                                     "dragdrop", "letters", "glossary", "text-exercises", "open-tasks",
                                                     "dialogues"}));

    test::Installation install;
    Course course;
    Problems problems;
    test::FakeMessages messages;
    LoadCourseData(install.state, course, problems, &messages);
    for (std::string_view table : order) EXPECT_EQ(Count(course, table), table == "catalog" ? 2u : 1u) << table;
    EXPECT_TRUE(problems.Empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(course.catalog[1].Code, "CD01530102");
    EXPECT_EQ(UiText(course.interfaceTexts, 1), "Witaj");
    EXPECT_EQ(DisplayName(course, "DZIAL=D01=(B)"), "Powitania (B)");
    EXPECT_EQ(course.dialogues[0].Lines[0].Translation, "Cze\x9c\xe6.");

    // Loading again replaces every table rather than adding to it.
    LoadCourseData(install.state, course, problems, &messages);
    for (std::string_view table : order) EXPECT_EQ(Count(course, table), table == "catalog" ? 2u : 1u) << table;
}

TEST(LoadCourse, LanguageResourcesFollowLangDir) {
    test::Installation install;
    Course course;
    Problems problems;
    LoadCourseData(install.state, course, problems, nullptr);
    install.state.LangDir = "Lang_r\\1\\";
    LoadLanguageResources(install.state, course);
    EXPECT_EQ(course.interfaceTexts, (InterfaceTexts{"Welcome", "Two"}));
    EXPECT_EQ(DisplayName(course, "S0001"), "Words");
    EXPECT_EQ(DisplayName(course, "DZIAL=D01=(B)"), "Greetings (B)");
    EXPECT_EQ(course.texts.size(), 1u);  // the other tables stay
}

TEST(LoadCourse, RequiredAndOptionalFiles) {
    // Optional files may be missing; "kom_c_gr.txt" leaves nothing behind either way.
    test::Installation install;
    for (const char* file : {"ss_r.t", "zda_rozum.txt", "rozum_pig.txt", "kurs.zdn", "kurs.zdd", "Listy_r/index.txt",
                             "slowniczek.txt", "otwarte.txt", "kom_c_gr.txt", "dialogi.txt"})
        install.Remove(file);
    Course course;
    Problems problems;
    LoadCourseData(install.state, course, problems, nullptr);
    EXPECT_TRUE(course.sentences.empty());
    EXPECT_TRUE(course.packages.empty());
    EXPECT_TRUE(course.dialogues.empty());
    EXPECT_TRUE(problems.Empty());

    // A missing required file stops the load with a file error naming it.
    for (const char* file : {"Lang_r/0/infa_r.txt", "Lang_r/0/nazwy_r.txt", "Lang_r/0/gra.txt", "rozumienie_a.txt", "St_a.txt"}) {
        test::Installation without;
        without.Remove(file);
        Course partial;
        try {
            LoadCourseData(without.state, partial, problems, nullptr);
            ADD_FAILURE() << file << " is not required";
        } catch (const DataFileError& error) {
            std::string expected = file;
            for (char& c : expected)
                if (c == '/') c = '\\';
            EXPECT_EQ(error.Place().File, expected);
            EXPECT_NE(std::string(error.what()).find("the file is missing"), std::string::npos);
        }
    }
}

TEST(LoadCourse, TheCheckGoesOnPastErrorsAndNotesThem) {
    test::Installation install;
    install.Remove("Lang_r/0/gra.txt");
    install.Remove("kurs_cwicz2.vrk");
    install.Write("kurs.zdd", "");
    install.Write("rozumienie_a.txt", "12=1=1=Meeting=\n13=x=1=Other=\n");
    std::string glossary;
    for (int i = 1; i <= 252; ++i) glossary += std::to_string(i) + "=g\n";
    install.Write("slowniczek.txt", glossary);

    Course course;
    Problems problems;
    CheckCourseData(install.state, course, problems);
    ASSERT_EQ(problems.List().size(), 4u);
    EXPECT_EQ(problems.List()[0].File, "Lang_r\\0\\gra.txt");
    EXPECT_EQ(problems.List()[0].Line, 0);
    EXPECT_EQ(problems.List()[1].File, "rozumienie_a.txt");
    EXPECT_EQ(problems.List()[1].Line, 2);
    EXPECT_EQ(problems.List()[1].Message, "'x' is not a valid integer value");
    EXPECT_EQ(problems.List()[2].Message, "Nie znaleziono pliku " + install.dir.Path() + "kurs_cwicz2.vrk");
    EXPECT_EQ(problems.List()[3].File, "slowniczek.txt");
    EXPECT_EQ(problems.List()[3].Line, 251);
    EXPECT_EQ(problems.List()[3].Message, "Za duza ilosc linijek slowniczka!!!");
    // Each failed step keeps what it read; the steps after it run.
    EXPECT_EQ(course.texts.size(), 1u);
    EXPECT_EQ(course.glossary.size(), 250u);
    EXPECT_EQ(course.catalog.size(), 1u);
    EXPECT_EQ(course.dialogues.size(), 1u);
}

TEST(LoadCourse, TheProgramStopsAtTheFirstError) {
    test::Installation install;
    install.Write("otwarte.txt", "1=1=1=a=b=\n\n");  // an empty line is an open task too
    Course course;
    Problems problems;
    try {
        LoadCourseData(install.state, course, problems, nullptr);
        FAIL() << "no error";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "otwarte.txt:2: '' is not a valid integer value");
    }
    EXPECT_TRUE(course.dialogues.empty());  // loaded after the open tasks
}

// What reading the steps one after another gives: the problems, and the first error's text.
struct Outcome {
    std::vector<std::tuple<std::string, int, std::string>> problems;
    std::string error;
};

Outcome Noted(const Problems& problems, std::string error) {
    Outcome outcome{{}, std::move(error)};
    for (const Problem& p : problems.List()) outcome.problems.emplace_back(p.File, p.Line, p.Message);
    return outcome;
}

Outcome OneByOne(const StartupState& state) {
    Course course;
    Problems problems;
    try {
        for (const CourseLoadStep& step : CourseLoadSteps()) step.Run(state, course, problems, nullptr);
    } catch (const std::exception& error) {
        return Noted(problems, error.what());
    }
    return Noted(problems, "");
}

Outcome AllAtOnce(const StartupState& state) {
    Course course;
    Problems problems;
    try {
        LoadCourseData(state, course, problems, nullptr);
    } catch (const std::exception& error) {
        return Noted(problems, error.what());
    }
    return Noted(problems, "");
}

// Some tables are read on a second thread; the problems come in the order of the steps, and
// the error thrown is that of the first step that failed, whichever thread read it.
TEST(LoadCourse, ReadingOnTwoThreadsGivesWhatReadingOneByOneGives) {
    auto surplus = [](const char* line, int count) {
        std::string lines;
        for (int i = 0; i < count; ++i) lines += line;
        return lines;
    };
    auto directoryInPlaceOf = [](test::Installation& install, const std::string& file) {
        install.Remove(file);
        std::filesystem::create_directory(install.dir.Path() + file);
    };
    struct Case {
        const char* what;
        std::function<void(test::Installation&)> spoil;
        bool fails;
    };
    const Case cases[] = {
        {"problems on both threads",
         [&](test::Installation& install) {
             install.Write("zda_rozum.txt", surplus("1AB01xxxxxxxxxxxI am late.====s1.wav==Sp\xF3\x9Fniony.=\n", 501));
             install.Remove("kurs_cwicz2.vrk");
             install.Write("kurs.zdd", surplus("DD001 a <b c>=b=\n", 2001));
         },
         false},
        {"an error read alongside, before a later one",
         [&](test::Installation& install) {
             directoryInPlaceOf(install, "rozum_pig.txt");
             install.Write("otwarte.txt", "1=1=1=a=b=\n\n");
         },
         true},
        {"an earlier error, before one read alongside",
         [&](test::Installation& install) {
             install.Remove("rozumienie_a.txt");
             directoryInPlaceOf(install, "kurs.zdd");
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::Installation install;
        c.spoil(install);
        const Outcome expected = OneByOne(install.state);
        ASSERT_EQ(!expected.error.empty(), c.fails) << "error: " << expected.error;
        if (!c.fails) {
            ASSERT_GE(expected.problems.size(), 3u);
        }
        for (int run = 0; run < 20; ++run) {
            const Outcome outcome = AllAtOnce(install.state);
            EXPECT_EQ(outcome.error, expected.error);
            EXPECT_EQ(outcome.problems, expected.problems);
        }
    }
}

}  // namespace
}  // namespace quillan
