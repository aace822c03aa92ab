#include <gtest/gtest.h>

#include "help/dictionary_launcher.h"
#include "platform/paths.h"
#include "platform/processes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

// A machine of processes: what runs, what was started, what was raised.
struct FakeLauncher : ProcessLauncher {
    bool IsRunning(const std::string& name) override {
        for (const std::string& r : running)
            if (ProgramKey(r) == ProgramKey(name)) return true;
        return false;
    }
    bool Start(const std::string& path, const std::vector<std::string>& args) override {
        started.push_back(path);
        arguments = args;
        running.push_back(path);
        return true;
    }
    bool Raise(const std::string& title) override {
        raised.push_back(title);
        return true;
    }
    std::vector<std::string> running, started, raised, arguments;
};

TEST(DictionaryLauncher, StartsOnceThenOnlyRaises) {
    test::TempDir dir;
    dir.Write("slownik_be", "");
    StartupState state;
    state.ProgramDir = dir.Path();
    state.DictionaryTitle = "S\xB3ownik";
    FakeLauncher launcher;
    OpenDictionary(state, launcher);
    OpenDictionary(state, launcher);
    EXPECT_EQ(launcher.started, std::vector<std::string>{dir.Path() + "slownik_be"});
    EXPECT_EQ(launcher.arguments, std::vector<std::string>{dir.Path()});
    EXPECT_EQ(launcher.raised, (std::vector<std::string>{"S\xB3ownik", "S\xB3ownik"}));
}

// The dictionary shows its window under DictionaryWindowTitle; the course raises the same title,
// also when line 8 of "prof_r.txt" is empty.
TEST(DictionaryLauncher, RaisesTheTitleTheDictionaryShows) {
    struct Case {
        std::string line8, title;
    } cases[] = {
        {"M\xF3j s\xB3ownik", "M\xF3j s\xB3ownik"},
        {"", "S\xB3ownik"},
    };
    for (const Case& c : cases) {
        StartupState state;
        state.DictionaryTitle = c.line8;
        FakeLauncher launcher;
        launcher.running = {"/opt/q/slownik_be"};
        OpenDictionary(state, launcher);
        EXPECT_EQ(DictionaryWindowTitle(state), c.title) << c.line8;
        EXPECT_EQ(launcher.raised, std::vector<std::string>{c.title}) << c.line8;
    }
}

TEST(DictionaryLauncher, ARunningDictionaryInAnyLetterCaseIsNotStartedAgain) {
    test::TempDir dir;
    dir.Write("slownik_be", "");
    StartupState state;
    state.ProgramDir = dir.Path();
    FakeLauncher launcher;
    launcher.running = {"C:\\Kurs\\SLOWNIK_BE.EXE"};
    OpenDictionary(state, launcher);
    EXPECT_TRUE(launcher.started.empty());
    EXPECT_EQ(launcher.raised.size(), 1u);
}

TEST(DictionaryLauncher, FoundInTheInstallationOrBesideTheProgram) {
    test::TempDir install, programs;
    StartupState state;
    state.ProgramDir = install.Path();
    state.ExecutableDir = programs.Path();
    EXPECT_EQ(DictionaryProgram(state), "");
    FakeLauncher launcher;
    OpenDictionary(state, launcher);  // missing: nothing started, nothing reported
    EXPECT_TRUE(launcher.started.empty());

    programs.Write("slownik_be", "");
    EXPECT_EQ(DictionaryProgram(state), programs.Path() + "slownik_be");
    install.Write("Slownik_BE.exe", "");
    EXPECT_EQ(NativePath(DictionaryProgram(state)), install.Path() + "Slownik_BE.exe");
}

TEST(Processes, ProgramKeysAndTheRunningTestProgram) {
    EXPECT_EQ(ProgramKey("/opt/q/SLOWNIK_BE.exe"), "slownik_be");
    EXPECT_EQ(ProgramKey("C:\\Kurs\\slownik_be.EXE"), "slownik_be");
    EXPECT_EQ(ProgramKey("/opt/q/slownik_be (deleted)"), "slownik_be");
    EXPECT_TRUE(ProcessRunning("HELP_TEST.exe"));  // this very test program
    EXPECT_FALSE(ProcessRunning("no_such_program_here"));
}

}  // namespace
}  // namespace quillan
