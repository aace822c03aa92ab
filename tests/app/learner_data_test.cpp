#include "app/learner_data.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <set>

#include "app/local_learners.h"
#include "course/installation_fixture.h"
#include "course/load_course.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/user_dirs.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

TEST(InstallationId, IsShortStableAndTellsInstallationsApart) {
    // Pinned: a changed derivation would leave every learner of a read-only course behind.
    EXPECT_EQ(InstallationId("/usr/share/quillan/course/"), "course-2ef4fe52");
    struct Case {
        const char* path;
        const char* name;  // the part before the hash
    } cases[] = {
        {"/usr/share/quillan/course/", "course"},
        {"/usr/share/quillan/course", "course"},
        {"/opt/quillan/course/", "course"},
        {"/srv/kursy/Kurs angielski (2)/", "Kursangielski2"},
        {"/media/\xA3\xF3" "d\xBC/", "d"},
        {"/srv/a-very-long-installation-directory-name/", "a-very-long-installation"},
        {"/", "course"},
        {"/srv/../", "course"},
    };
    std::map<std::string, std::string> idOfPath;
    for (const Case& c : cases) {
        const std::string id = InstallationId(c.path);
        ASSERT_EQ(id.size(), std::string(c.name).size() + 9) << c.path << " -> " << id;
        EXPECT_EQ(id.substr(0, id.size() - 9), c.name) << c.path;
        EXPECT_EQ(id[id.size() - 9], '-') << c.path;
        EXPECT_EQ(id.find_first_not_of("0123456789abcdef", id.size() - 8), std::string::npos) << c.path << " -> " << id;
        EXPECT_EQ(InstallationId(c.path), id) << "the same on every call";
        std::string path = c.path;
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        idOfPath[path] = id;
    }
    // One installation named with and without its separator gets one name; any two others differ.
    std::set<std::string> ids;
    for (const auto& [path, id] : idOfPath) ids.insert(id);
    EXPECT_EQ(ids.size(), idOfPath.size());
    EXPECT_EQ(InstallationId("C:\\Kursy\\BE\\"), InstallationId("C:\\Kursy\\BE"));
}

TEST(UserLearnerDataDir, LiesUnderQuillanInTheDataHome) {
    EXPECT_EQ(UserLearnerDataDir("/home/ola/.local/share/", "/usr/share/quillan/course/"),
              "/home/ola/.local/share/quillan\\course-2ef4fe52\\");
    EXPECT_EQ(UserLearnerDataDir("/data", "/usr/share/quillan/course/"), "/data\\quillan\\course-2ef4fe52\\");
}

// The choice for each kind of installation and data home: where the data goes, what is told,
// and that a failure creates nothing.
TEST(ChooseLearnerDataDir, WritableInstallationKeepsItsDataAndAReadOnlyOneUsesTheDataHome) {
    enum class Home { Usable, AFileInTheWay, None };
    struct Case {
        const char* what;
        bool writable;
        Home home;
        bool ok;
        bool inDataHome;
    } cases[] = {
        {"writable installation", true, Home::Usable, true, false},
        {"writable installation, no data home", true, Home::None, true, false},
        {"read-only installation", false, Home::Usable, true, true},
        {"read-only installation, data home blocked by a file", false, Home::AFileInTheWay, false, false},
        {"read-only installation, no data home", false, Home::None, false, false},
    };
    for (const Case& c : cases) {
        test::TempDir installation, user;
        std::string home;
        if (c.home == Home::Usable) home = user.Path() + "share/";
        if (c.home == Home::AFileInTheWay) home = user.Write("share", "a file") + "/";
        StartupState state;
        state.ProgramDir = installation.Path();
        test::FakeMessages messages;
        EXPECT_EQ(ChooseLearnerDataDir(state, c.writable, home, messages), c.ok) << c.what;
        if (c.inDataHome) {
            EXPECT_EQ(state.LearnerDataDir, UserLearnerDataDir(home, installation.Path())) << c.what;
            EXPECT_TRUE(DirectoryExists(state.LearnerDataDir)) << c.what << ": made at once";
        } else {
            EXPECT_EQ(state.LearnerDataDir, installation.Path()) << c.what;
        }
        if (c.ok) {
            EXPECT_TRUE(messages.shown.empty()) << c.what;
        } else {
            ASSERT_EQ(messages.shown.size(), 1u) << c.what;
            EXPECT_EQ(messages.shown[0].rfind(NoLearnerDataDirMessage(""), 0), 0u) << c.what << ": " << messages.shown[0];
            EXPECT_GT(messages.shown[0].size(), NoLearnerDataDirMessage("").size()) << c.what << ": says why";
        }
        if (!c.inDataHome) {
            EXPECT_FALSE(std::filesystem::exists(user.Path() + "share/quillan")) << c.what << ": nothing made";
        }
    }
}

// Reading the environment as the desktop does.
TEST(UserDataHome, TakesAnAbsoluteXdgDataHomeOrTheHomesLocalShare) {
    const std::string savedXdg = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const bool hadXdg = std::getenv("XDG_DATA_HOME") != nullptr;
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    struct Case {
        const char* xdg;  // null: unset
        const char* home;
        const char* expected;
    } cases[] = {
        {"/data/ola", "/home/ola", "/data/ola\\"},
        {"/data/ola/", "/home/ola", "/data/ola/"},
        {nullptr, "/home/ola", "/home/ola\\.local\\share\\"},
        {"", "/home/ola", "/home/ola\\.local\\share\\"},
        {"relative/share", "/home/ola", "/home/ola\\.local\\share\\"},
        {nullptr, "", ""},
    };
    for (const Case& c : cases) {
        if (c.xdg) setenv("XDG_DATA_HOME", c.xdg, 1); else unsetenv("XDG_DATA_HOME");
        setenv("HOME", c.home, 1);
        EXPECT_EQ(UserDataHome(), c.expected) << (c.xdg ? c.xdg : "(unset)") << " " << c.home;
    }
    if (hadXdg) setenv("XDG_DATA_HOME", savedXdg.c_str(), 1); else unsetenv("XDG_DATA_HOME");
    setenv("HOME", savedHome.c_str(), 1);
}

// A course in a directory the learner may not write to, or one the launcher names shared (which
// is how root, who may write anywhere, is kept out of the installed course): his learner list,
// his directory with his results, repetitions and settings all lie in his data home; the course
// is untouched.
TEST(ChooseLearnerDataDir, AReadOnlyInstallationKeepsEveryLearnerFileInTheDataHome) {
    test::Installation installation;
    test::TempDir user;
    const std::string home = user.Path() + "share/";
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    std::filesystem::permissions(installation.dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    if (geteuid() == 0) setenv("QUILLAN_LEARNER_DATA", "home", 1);
    AppContext ctx;
    ctx.startup = installation.state;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};
    ctx.services.messages = &messages;
    ctx.services.clock = &clock;
    ASSERT_TRUE(ChooseLearnerDataDir(ctx.startup, messages));
    Problems problems;
    LoadCourseData(ctx.startup, ctx.course, problems, nullptr);
    LocalLearners learners(ctx);
    ASSERT_TRUE(learners.SignIn(learners.Create("Ola", 0)));
    std::filesystem::permissions(installation.dir.Path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
    unsetenv("XDG_DATA_HOME");
    unsetenv("QUILLAN_LEARNER_DATA");

    const std::string data = UserLearnerDataDir(home, installation.dir.Path());
    EXPECT_EQ(ReadFileIfExists(data + "usr.t"), "1=Ola\r\n");
    EXPECT_EQ(ctx.startup.ResultsDirectory, data + "1\\");
    EXPECT_TRUE(FileExists(data + "1\\qlr2_55"));
    EXPECT_TRUE(FileExists(data + "1\\ustaw_qlr2_55.txt"));
    EXPECT_FALSE(FileExists(installation.dir.Path() + "usr.t"));
    EXPECT_FALSE(DirectoryExists(installation.dir.Path() + "1"));
}

}  // namespace
}  // namespace quillan
