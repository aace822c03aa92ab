#include "app/local_learners.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/installation.h"
#include "app/main_menu.h"
#include "course/installation_fixture.h"
#include "course/load_course.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "session/learner_session.h"
#include "support/fakes.h"
#include "text/numbered_texts.h"

namespace quillan {
namespace {

struct LearnersFixture {
    LearnersFixture() {
        ctx.startup = installation.state;
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
        Problems problems;
        LoadCourseData(ctx.startup, ctx.course, problems, nullptr);
    }

    std::string File(const std::string& relative) { return ReadFileIfExists(installation.dir.Path() + relative).value_or("<none>"); }

    test::Installation installation;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};
    AppContext ctx;
};

class LocalLearnersTest : public ::testing::Test, protected LearnersFixture {};

TEST_F(LocalLearnersTest, ANewLearnerIsCreatedAndSignedInWithHisOwnFiles) {
    installation.Write("usr.t", "1=Ola\n7=Jan\n");
    LocalLearners learners(ctx);
    const int position = learners.Create("  Ewa Nowak ", 1);
    ASSERT_EQ(position, 3);
    EXPECT_EQ(File("usr.t"), "1=Ola\r\n7=Jan\r\n8=Ewa Nowak\r\n");
    // The chosen language is the program's at once, with its texts.
    EXPECT_EQ(ctx.startup.LangDir, "Lang_r\\1\\");
    EXPECT_EQ(UiText(ctx.course.interfaceTexts, 2), "Two");
    EXPECT_EQ(ctx.newLearnerLanguage, 1);

    ASSERT_TRUE(learners.SignIn(position));
    EXPECT_EQ(ctx.startup.ResultsDirectory, installation.dir.Path() + "8\\");
    EXPECT_EQ(ctx.learner.loginName, "Ewa Nowak");
    // His exercise table is built from the course and saved at once, his settings made with the
    // language he chose.
    EXPECT_FALSE(ctx.learner.results.records.empty());
    EXPECT_EQ(File("8/qlr2_55").size(), ctx.learner.results.records.size() * 548);
    EXPECT_EQ(File("8/ustaw_qlr2_55.txt"), "1\r\nT\r\nN\r\nT\r\nN\r\nT\r\nT\r\nT\r\nT\r\n1\r\n61\r\n3\r\n0\r\nT\r\n");
    EXPECT_TRUE(ctx.learner.repetitions.entries.empty());
    EXPECT_TRUE(messages.warnings.empty());
}

TEST_F(LocalLearnersTest, SigningInAgainReadsTheTableInsteadOfBuildingIt) {
    LocalLearners learners(ctx);
    ASSERT_TRUE(learners.SignIn(learners.Create("Ola", 0)));
    const std::string id = ctx.learner.results.records.front().Id;
    const int kind = ctx.learner.results.records.front().Kind;
    FinishExercise(ctx, nullptr);
    ExerciseReport report{77, id, kind, 1, ctx.learner.results.records.front().Key, 0};
    FinishExercise(ctx, &report);

    AppContext other;
    other.startup = installation.state;
    other.services = ctx.services;
    Problems problems;
    LoadCourseData(other.startup, other.course, problems, nullptr);
    LocalLearners again(other);
    ASSERT_EQ(again.List().size(), 1u);
    ASSERT_TRUE(again.SignIn(1));
    ASSERT_EQ(other.learner.results.records.size(), ctx.learner.results.records.size());
    EXPECT_EQ(other.learner.results.records.front().Result, 77) << "the saved table is read, not built anew";
    EXPECT_EQ(other.learner.repetitions.entries.size(), ctx.learner.repetitions.entries.size());
}

TEST_F(LocalLearnersTest, AnExistingLearnerBringsHisSettingsAndTheirLanguage) {
    installation.Write("usr.t", "4=Ola\n");
    installation.Write("4/ustaw_qlr2_55.txt", "1\nN\nN\nT\nN\nT\nT\nT\nT\n0\n80\n5\n1\nN\n");
    LocalLearners learners(ctx);
    ASSERT_TRUE(learners.SignIn(1));
    EXPECT_EQ(ctx.startup.LangIndex, 1);
    EXPECT_EQ(UiText(ctx.course.interfaceTexts, 1), "Welcome");
    EXPECT_FALSE(ctx.learner.settings.CaseSensitive);
    EXPECT_EQ(ctx.learner.settings.RepetitionThreshold, 80);
    EXPECT_FALSE(ctx.learner.settings.RepetitionsOn);
}

// A settings file that cannot be understood, or cannot be read at all, is told and left as it
// is; the learner signs in with the default settings.
TEST(LocalLearnersSettings, ADamagedOrUnreadableSettingsFileIsReportedKeptAndTheLearnerSignsInWithDefaults) {
    for (const bool unreadable : {false, true}) {
        LearnersFixture f;
        f.installation.Write("usr.t", "4=Ola\n");
        if (unreadable)
            std::filesystem::create_directories(f.installation.dir.Path() + "4/ustaw_qlr2_55.txt");
        else
            f.installation.Write("4/ustaw_qlr2_55.txt", "x\nN\n");
        LocalLearners learners(f.ctx);
        f.ctx.learner.settings.RepetitionThreshold = 90;  // someone signed in before
        ASSERT_TRUE(learners.SignIn(1)) << unreadable;
        ASSERT_EQ(f.messages.errors.size(), 1u);
        if (unreadable)
            EXPECT_NE(f.messages.errors[0].find("ustaw_qlr2_55.txt"), std::string::npos) << f.messages.errors[0];
        else
            EXPECT_EQ(f.messages.errors[0], "ustaw_qlr2_55.txt: 'x' is not a valid integer value");
        if (!unreadable) EXPECT_EQ(f.File("4/ustaw_qlr2_55.txt"), "x\r\nN\r\n");
        EXPECT_EQ(f.ctx.learner.settings, Settings{});
        EXPECT_EQ(f.ctx.learner.loginName, "Ola");
        EXPECT_FALSE(f.ctx.learner.results.records.empty());
    }
}

TEST_F(LocalLearnersTest, DuplicatesAreRefusedAndAnEnglishOnlyInstallationKeepsEnglish) {
    installation.Write("usr.t", "1=Ola\n");
    LocalLearners learners(ctx);
    EXPECT_EQ(learners.Create(" OLA ", 0), 0);
    EXPECT_EQ(File("usr.t"), "1=Ola\r\n");
    EXPECT_EQ(learners.List().size(), 1u);

    ctx.startup.EnglishOnly = true;
    ASSERT_EQ(learners.Create("Jan", 0), 2);
    EXPECT_EQ(ctx.startup.LangIndex, 1);
    EXPECT_EQ(ctx.newLearnerLanguage, 1);
}

TEST_F(LocalLearnersTest, ABadNumberInTheListIsAnErrorNamingTheFile) {
    installation.Write("usr.t", "1=Ola\nx=Jan\n");
    EXPECT_THROW(LocalLearners learners(ctx), ConversionError);
}

TEST_F(LocalLearnersTest, ConfirmedSettingsAreSavedAndAnotherLanguageTakesEffect) {
    LocalLearners learners(ctx);
    ASSERT_TRUE(learners.SignIn(learners.Create("Ola", 0)));
    Settings chosen = ctx.learner.settings;
    chosen.RepetitionThreshold = 100;
    EXPECT_FALSE(ConfirmSettings(ctx, chosen));
    EXPECT_EQ(ReadSettingsFile(SettingsPath(ctx)), chosen);

    chosen.LangIndex = 1;
    EXPECT_TRUE(ConfirmSettings(ctx, chosen));
    EXPECT_EQ(ctx.startup.LangDir, "Lang_r\\1\\");
    EXPECT_EQ(UiText(ctx.course.interfaceTexts, 1), "Welcome");
    EXPECT_EQ(ReadSettingsFile(SettingsPath(ctx)), chosen);
    // A save that fails changes nothing in force.
    const Settings inForce = ctx.learner.settings;
    Settings refused = chosen;
    refused.RepetitionThreshold = 50;
    const std::string file = NativePath(SettingsPath(ctx));
    std::filesystem::remove(file);
    std::filesystem::create_directories(file + "/blocked");
    EXPECT_THROW(ConfirmSettings(ctx, refused), FileError);
    EXPECT_EQ(ctx.learner.settings, inForce);
}

// A learner signed in on a small installation, ready for the next sign-in.
struct SignedInInstallation {
    SignedInInstallation() {
        ctx.startup = installation.state;
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
    }
    void LoadCourse() {
        ctx.course = Course{};
        Problems problems;
        LoadCourseData(ctx.startup, ctx.course, problems, nullptr);
    }
    std::string File(const std::string& relative) {
        return ReadFileIfExists(installation.dir.Path() + relative).value_or("<none>");
    }

    test::Installation installation;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};
    AppContext ctx;
};

// The exercise table of a learner signing in for the first time is built from the course; a
// number in the course that is no number refuses his sign-in with the error that names it, and
// nothing of him is written. The learner signed in before keeps working in his own files.
TEST(LocalLearnersCourseError, RefusesTheNewLearnerAndKeepsTheLearnerBefore) {
    struct Case {
        const char* file;
        const char* text;
        const char* error;
    } cases[] = {
        {"Listy_r/index.txt", "list1=1=x=3=\n", "Listy_r\\index.txt:1: 'x' is not a valid integer value"},
        {"kurs_cwicz.vrk", "AB0111xx01\na\nb\nc\n-\n", "kurs_cwicz.vrk:1: 'xx' is not a valid integer value"},
        {"kurs_cwicz2.vrk", "* level x\nCD0153x161\na\nb\nc\n-\n", "kurs_cwicz2.vrk:2: 'x1' is not a valid integer value"},
        {"St_a.txt", "/ list\nx#zz#\nMC#q\n0=\n", "St_a.txt:2: 'zz' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        SignedInInstallation s;
        s.installation.Write("usr.t", "1=Ola\n2=Jan\n");
        s.LoadCourse();
        LocalLearners learners(s.ctx);
        ASSERT_TRUE(learners.SignIn(1));
        const std::string olaResults = s.File("1/qlr2_55"), olaSettings = s.File("1/ustaw_qlr2_55.txt");

        s.installation.Write(c.file, c.text);
        s.LoadCourse();
        try {
            learners.SignIn(2);
            ADD_FAILURE() << c.file << ": the sign-in went on";
        } catch (const ConversionError& error) {
            EXPECT_STREQ(error.what(), c.error);
        }
        EXPECT_FALSE(std::filesystem::exists(s.installation.dir.Path() + "2")) << c.file;
        EXPECT_EQ(s.ctx.learner.loginName, "Ola") << c.file;
        EXPECT_EQ(s.ctx.startup.ResultsDirectory, s.installation.dir.Path() + "1\\") << c.file;
        EXPECT_EQ(s.ctx.learner.results.file.path, ResultsPath(s.ctx)) << c.file;
        EXPECT_EQ(s.ctx.learner.repetitions.file.path, RepetitionsPath(s.ctx)) << c.file;

        const CW_Info first = s.ctx.learner.results.records.front();
        ExerciseReport report{70, first.Id, first.Kind, 1, first.Key, 0};
        FinishExercise(s.ctx, &report);
        EXPECT_NE(s.File("1/qlr2_55"), olaResults) << "her result goes into her own file";
        EXPECT_EQ(s.File("1/qlr2_55").size(), olaResults.size());
        EXPECT_EQ(s.File("1/ustaw_qlr2_55.txt"), olaSettings);
        EXPECT_TRUE(s.messages.errors.empty()) << s.messages.errors.front();
    }
}

// Under "be.ini" a learner without a settings file works in English; a settings file's language
// is taken only when the installation has it.
TEST(LocalLearnersLanguage, EnglishUnderBeIniAndOnlyAnInstalledLanguage) {
    const char* const polishSettings = "0\nT\nN\nT\nN\nT\nT\nT\nT\n1\n61\n3\n0\nT\n";
    struct Case {
        const char* what;
        bool polishInstalled;
        const char* settings;  // null: none yet
        int language;
    } cases[] = {
        {"no settings, both languages", true, nullptr, 1},
        {"no settings, English only", false, nullptr, 1},
        {"Polish settings, English only", false, polishSettings, 1},
        {"Polish settings, both languages", true, polishSettings, 0},
    };
    for (const Case& c : cases) {
        SignedInInstallation s;
        s.installation.Write("be.ini", "");
        s.installation.Write("usr.t", "4=Ola\n");
        if (c.settings) s.installation.Write("4/ustaw_qlr2_55.txt", c.settings);
        if (!c.polishInstalled) std::filesystem::remove_all(s.installation.dir.Path() + "Lang_r/0");
        ChooseInterfaceLanguage(s.ctx.startup);
        s.LoadCourse();
        LocalLearners learners(s.ctx);
        bool signedIn = false;
        EXPECT_NO_THROW(signedIn = learners.SignIn(1)) << c.what;
        EXPECT_TRUE(signedIn) << c.what;
        EXPECT_EQ(s.ctx.startup.LangIndex, c.language) << c.what;
        EXPECT_EQ(s.ctx.learner.settings.LangIndex, c.language) << c.what;
        EXPECT_EQ(UiText(s.ctx.course.interfaceTexts, 1), c.language == 1 ? "Welcome" : "Witaj") << c.what;
        if (!c.settings) EXPECT_EQ(s.File("4/ustaw_qlr2_55.txt").substr(0, 3), "1\r\n") << c.what;
        else EXPECT_EQ(s.File("4/ustaw_qlr2_55.txt"), test::Crlf(c.settings)) << c.what << ": left as it is";
    }
}

// A language whose files cannot be read (here interface texts without their numbers) never leaves the
// tables half replaced: the settings window refuses it before saving anything, and a learner
// whose settings name it signs in and works in the language in force.
TEST(LocalLearnersLanguage, ALanguageThatCannotBeReadLeavesTheOneInForceWhole) {
    LearnersFixture f;
    f.installation.Write("Lang_r/1/infa_r.txt", "x=a=Welcome=\n");
    f.installation.Write("usr.t", "4=Ola\n");
    f.installation.Write("4/ustaw_qlr2_55.txt", "1\nT\nN\nT\nN\nT\nT\nT\nT\n1\n61\n3\n0\nT\n");
    LocalLearners learners(f.ctx);
    ASSERT_TRUE(learners.SignIn(1));
    EXPECT_EQ(f.messages.errors.size(), 1u);
    EXPECT_EQ(f.ctx.startup.LangIndex, 0);
    EXPECT_EQ(f.ctx.learner.settings.LangIndex, 0);
    EXPECT_EQ(UiText(f.ctx.course.interfaceTexts, 1), "Witaj");
    EXPECT_FALSE(f.ctx.course.sections.empty());

    Settings chosen = f.ctx.learner.settings;
    chosen.LangIndex = 1;
    chosen.RepetitionThreshold = 100;
    const std::string saved = f.File("4/ustaw_qlr2_55.txt");
    EXPECT_ANY_THROW(ConfirmSettings(f.ctx, chosen));
    EXPECT_EQ(f.ctx.startup.LangIndex, 0);
    EXPECT_EQ(f.ctx.startup.LangDir, "Lang_r\\0\\");
    EXPECT_NE(f.ctx.learner.settings, chosen);
    EXPECT_EQ(UiText(f.ctx.course.interfaceTexts, 1), "Witaj");
    EXPECT_EQ(f.ctx.course.displayNames.size(), 1u);
    EXPECT_FALSE(f.ctx.course.sections.empty());
    EXPECT_EQ(f.File("4/ustaw_qlr2_55.txt"), saved);
}

TEST(MainMenu, TheRepetitionsButtonShowsOnlyForADueRepetitionOfAnExerciseInTheTable) {
    test::FakeClock clock{46365.5};  // noon
    struct Case {
        const char* what;
        const char* id;
        int kind;
        DayNumber due;
        int classroom;
        bool shown;
    } cases[] = {
        {"none at all", nullptr, 0, 0, -1, false},
        {"due tomorrow", "slo_1", 61, 46366.1, -1, false},
        {"due later today", "slo_1", 61, 46365.9, -1, true},
        {"due long ago", "slo_1", 61, 46000.0, -1, true},
        {"exercise not in the table", "slo_9", 61, 46000.0, -1, false},
        {"another kind of the same id", "slo_1", 62, 46000.0, -1, false},
        {"classroom work", "slo_1", 61, 46000.0, 1, false},
    };
    for (const Case& c : cases) {
        AppContext ctx;
        ctx.services.clock = &clock;
        ctx.startup.ClassroomMode = c.classroom;
        AppendRecord(ctx.learner.results, 46000.0, "slo_1", "Words", 61, 1);
        if (c.id) {
            RepetitionEntry entry;
            entry.Id = c.id;
            entry.Kind = c.kind;
            entry.Due = c.due;
            ctx.learner.repetitions.entries.push_back(entry);
        }
        EXPECT_EQ(RepetitionsButtonShown(ctx), c.shown) << c.what;
    }
}

}  // namespace
}  // namespace quillan
