#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <filesystem>
#include <map>

#include "app/backdrop_form.h"
#include "app/classroom_forms.h"
#include "controls/picture_controls.h"
#include "app/local_user_form.h"
#include "app/main_form.h"
#include "chart/chart_form.h"
#include "app/new_learner_form.h"
#include "forms/shared_forms.h"
#include "controls/message_form.h"
#include "controls/transparent_button.h"
#include "app/program.h"
#include "app/quillan_application.h"
#include "app/installation.h"
#include "classroom/qt_classroom_link.h"
#include "classroom/server/classroom_command.h"
#include "classroom/server/classroom_store.h"
#include "classroom/server/passwords.h"
#include "classroom/server/server_process.h"
#include "session/learner_session.h"
#include "support/bitmaps.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"
#include "support/wav.h"

namespace quillan {
namespace {

QuillanApplication& App() { return *static_cast<QuillanApplication*>(QCoreApplication::instance()); }

// The course files start-up cannot do without, empty, and the two catalog files.
void WriteCourseFiles(const test::TempDir& dir) {
    for (const char* file : {"Lang_r/0/infa_r.txt", "Lang_r/0/nazwy_r.txt", "Lang_r/0/gra.txt", "rozumienie_a.txt",
                             "St_a.txt", "kurs_cwicz.vrk", "kurs_cwicz2.vrk"})
        dir.Write(file, "");
}

// An installation in both interface languages that the program runs on: the course files, the
// button pictures, the opening sound, and the message for a name that is taken (line 83).
void WriteInstallation(const test::TempDir& dir) {
    dir.Write("pr55.ini", "[x]\r\nMD=media\\\r\n");
    dir.Write("prof_r.txt", "Quillan - Business English\r\n1\r\n0\r\n");
    WriteCourseFiles(dir);
    for (const auto& [lang, word] : {std::pair{"0", "Tekst "}, std::pair{"1", "Text "}}) {
        std::string texts;
        for (int n = 1; n <= 90; ++n) texts += std::to_string(n) + "=k=" + word + std::to_string(n) + "=\r\n";
        dir.Write(std::string("Lang_r/") + lang + "/infa_r.txt", texts);
    }
    dir.Write("Lang_r/1/nazwy_r.txt", "");
    dir.Write("Lang_r/1/gra.txt", "");
    dir.Write("wav_r/r_open.wav", test::WavBytes(50));
    test::WriteButtonStrips(dir);
}

// Signs in the last learner of the list with Enter once the local user window asks.
void SignInTheLastLearner(Program& program) {
    test::WhenModal([&] { return program.LocalUserForm(); }, [&] { test::Press(*program.LocalUserForm(), Qt::Key_Return); });
}

TEST(Program, StartsOnAnInstallationAndShowsTheMainWindowAfterTheSignIn) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    SignInTheLastLearner(program);
    ASSERT_TRUE(program.Start(dir.Path()));
    ASSERT_NE(program.MainForm(), nullptr);
    EXPECT_TRUE(program.MainForm()->isVisible());
    EXPECT_TRUE(program.Backdrop()->isVisible());
    EXPECT_FALSE(program.Backdrop()->isEnabled());
    EXPECT_EQ(program.MainForm()->windowTitle(), "Quillan - Business English");
    EXPECT_EQ(program.MainForm()->size(), QSize(1024, 768));
    EXPECT_TRUE(program.MainForm()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(program.Context().startup.ClassroomMode, -1) << "without \"dd.t\" the work is local";
    EXPECT_EQ(program.Context().learner.loginName, "Ola");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(messages.errors.empty());
}

// Types the name and password into the classroom login once it asks, and presses Enter.
void LogInWhenAsked(Program& program, const char* user, const char* password) {
    test::WhenModal([&] { return program.ClassroomLoginForm(); }, [&program, user, password] {
        TNetLoginForm& form = *program.ClassroomLoginForm();
        form.edit_user->setText(user);
        form.edit_password->setText(password);
        test::Press(form, Qt::Key_Return);
    });
}

// Chooses item `item` of the classroom end window (0 end, 1 log out) once it asks.
void LeaveWhenAsked(Program& program, int item) {
    test::WhenModal([&] { return program.ClassroomEndForm(); }, [&program, item] {
        TNetKoniecForm& form = *program.ClassroomEndForm();
        form.ComboBox1->setCurrentIndex(item);
        test::Click(*form.B_OK);
    });
}

TEST(Program, AClassroomInstallationLogsInOnTheServerAndLogsOutToAnotherLearnerOrToLocalWork) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\n");
    dir.Write("dd.t", "127.0.0.1\r\n1\r\n");
    const std::string db = dir.Path() + "classroom.db";
    {
        auto store = classroom::OpenStoreFactory(db)();
        store->AddUser("jan", classroom::HashPassword("tajne"), {true, true, true});
        store->AddUser("ewa", classroom::HashPassword("inne"), {true, true, false});
        ResultsTable jans;
        AppendRecord(jans, 46000.5, "slo_1", "Words", 61, 1);
        ASSERT_TRUE(store->StoreFirstResults(store->FindAccount("jan", "qlr2_55")->id, "qlr2_55", EncodeResults(jans.records)));
    }
    // The teacher's lesson for jan: one open task.
    auto command = [&db](std::vector<std::string> args) {
        args.insert(args.begin() + (args[0] == "lesson" ? 2 : 1), {"--db", db});
        std::istringstream noInput;
        std::ostringstream out, err;
        EXPECT_EQ(classroom::RunClassroomCommand(args, noInput, out, err), 0) << err.str();
        return out.str();
    };
    command({"lesson", "add", "1", "Meetings", "--exercise", "2500=Write a memo"});
    command({"assign", "jan", "1"});
    classroom::ServerProcess server(std::string(QUILLAN_BINARY_DIR) + "/apps/quillan-classroom/quillan-classroom",
                                    {"--db", db, "--listen", "127.0.0.1", "--port", "0"}, dir.Path() + "server.log");
    classroom::QtClassroomLink link(server.Port());
    test::FakeMessages messages;
    Program program(App(), &messages, &link);
    LogInWhenAsked(program, "jan", "tajne");
    ASSERT_TRUE(program.Start(dir.Path()));
    AppContext& ctx = program.Context();
    EXPECT_EQ(ctx.startup.ClassroomMode, 1);
    EXPECT_EQ(ctx.learner.loginName, "jan");
    EXPECT_EQ(ctx.startup.ResultsDirectory, dir.Path() + "0_tmp\\");
    EXPECT_TRUE(program.MainForm()->l_powtorki->isHidden());
    EXPECT_TRUE(messages.shown.empty()) << (messages.shown.empty() ? "" : messages.shown[0]);

    // A result jan records goes to the server, where the teacher's command shows it.
    ExerciseReport worked{85, "slo_1", 61, 1, 0, 0};
    FinishExercise(ctx, &worked);
    const std::string results = command({"results", "jan"});
    EXPECT_NE(results.find("{\"Id\":\"slo_1\",\"Title\":\"Words\",\"Kind\":61,\"Key\":0,\"Level\":1,"), std::string::npos) << results;
    EXPECT_NE(results.find("\"Result\":85,\"DoneCount\":1,\"Completed\":1,"), std::string::npos) << results;

    // Log out, and ewa logs in; the main window stays, and the chart jan left open is closed
    // (an exercise window would record his work for him as it closes).
    emit program.MainForm()->ChartRequested(1, false);
    ASSERT_TRUE(program.Chart()->isVisible());
    LeaveWhenAsked(program, 1);
    LogInWhenAsked(program, "ewa", "inne");
    EXPECT_FALSE(program.MainForm()->close());
    EXPECT_TRUE(program.MainForm()->isVisible());
    EXPECT_EQ(ctx.learner.loginName, "ewa");
    EXPECT_FALSE(program.Chart()->isVisible());
    EXPECT_TRUE(ctx.classroom.TypingLocked());

    // Log out to local work: the local learners' window signs Ola in.
    LeaveWhenAsked(program, 1);
    test::WhenModal([&] { return program.ClassroomLoginForm(); }, [&] { test::Click(*program.ClassroomLoginForm()->img_lokalna); });
    SignInTheLastLearner(program);
    EXPECT_FALSE(program.MainForm()->close());
    EXPECT_EQ(ctx.startup.ClassroomMode, -1);
    EXPECT_EQ(ctx.learner.loginName, "Ola");
    EXPECT_EQ(ctx.startup.ResultsDirectory, dir.Path() + "1\\");
    program.MainForm()->hide();
}

TEST(Program, TheClassroomLoginLeftByItsCancelButtonEndsTheProgram) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("dd.t", "127.0.0.1\r\n");
    test::FakeMessages messages;
    test::FakeClassroomLink link;
    Program program(App(), &messages, &link);
    test::WhenModal([&] { return program.ClassroomLoginForm(); }, [&] {
        EXPECT_TRUE(program.ClassroomLoginForm()->img_lokalna->isHidden()) << "dd.t offers no local work";
        test::Click(*program.ClassroomLoginForm()->btn_anuluj);
    });
    EXPECT_FALSE(program.Start(dir.Path()));
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_TRUE(link.requests.empty());
}

TEST(Program, TheMenuOpensTheExerciseChart) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    SignInTheLastLearner(program);
    ASSERT_TRUE(program.Start(dir.Path()));
    ASSERT_NE(program.Chart(), nullptr);
    EXPECT_FALSE(program.Chart()->isVisible());
    emit program.MainForm()->ChartRequested(1, false);
    EXPECT_TRUE(program.Chart()->isVisible());
    program.Chart()->close();
}

TEST(Program, TheFirstLearnerIsCreatedInTheNewLearnerWindowAndSignedIn) {
    test::TempDir dir;
    WriteInstallation(dir);
    test::FakeMessages messages;
    Program program(App(), &messages);
    bool okHiddenWithoutLearners = false, okHiddenForOneLetter = false;
    test::WhenModal([&] { return program.LocalUserForm(); }, [&] {
        TForm9& users = *program.LocalUserForm();
        okHiddenWithoutLearners = users.B_OK->isHidden() && users.ComboBox1->count() == 0;
        test::WhenModal(program.NewLearnerForm(), [&] {
            TForm10& form = *program.NewLearnerForm();
            form.Edit1->setText(" O ");
            okHiddenForOneLetter = form.B_OK->isHidden();
            form.Edit1->setText("  Ola  ");
            test::Press(*form.Edit1, Qt::Key_Return);
        });
        test::Click(*users.L_powtorki);
    });
    ASSERT_TRUE(program.Start(dir.Path()));
    EXPECT_TRUE(okHiddenWithoutLearners);
    EXPECT_TRUE(okHiddenForOneLetter);
    EXPECT_TRUE(program.MainForm()->isVisible());
    EXPECT_EQ(dir.Read("usr.t"), "1=Ola\r\n");
    EXPECT_EQ(program.Context().learner.loginName, "Ola");
    EXPECT_EQ(program.Context().startup.ResultsDirectory, dir.Path() + "1\\");
    // Both languages installed: the new learner window offers English first, and his settings
    // file keeps it.
    EXPECT_EQ(program.Context().startup.LangIndex, 1);
    EXPECT_EQ(dir.Read("1/ustaw_qlr2_55.txt").substr(0, 3), "1\r\n");
    EXPECT_TRUE(std::filesystem::exists(dir.Path() + "1/qlr2_55"));
    EXPECT_TRUE(messages.errors.empty());
}

TEST(Program, ATakenNameIsRefusedAndAnotherOneGetsTheNextNumber) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "2=Ola\r\n7=Jan\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    std::string refusal;
    bool stayedOpen = false;
    test::WhenModal([&] { return program.LocalUserForm(); }, [&] {
        TForm9& users = *program.LocalUserForm();
        test::WhenModal(program.NewLearnerForm(), [&] {
            TForm10& form = *program.NewLearnerForm();
            form.cb_lang->setCurrentIndex(0);
            form.Edit1->setText("JAN");
            test::WhenModal(program.Forms()->form20.get(), [&] {
                refusal = program.Forms()->form20->Label1->text().toStdString();
                test::Press(*program.Forms()->form20, Qt::Key_Return);
            });
            test::Click(*form.B_OK);
            stayedOpen = form.isVisible() && form.Edit1->text().isEmpty();
            form.Edit1->setText("Ewa");
            test::Click(*form.B_OK);
        });
        test::Click(*users.L_powtorki);
    });
    ASSERT_TRUE(program.Start(dir.Path()));
    EXPECT_EQ(refusal, "Tekst 83");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(dir.Read("usr.t"), "2=Ola\r\n7=Jan\r\n8=Ewa\r\n");
    EXPECT_EQ(program.Context().learner.loginName, "Ewa");
    EXPECT_EQ(program.Context().startup.LangIndex, 0);
    EXPECT_EQ(program.Context().startup.ResultsDirectory, dir.Path() + "8\\");
}

TEST(Program, LeavingTheSignInEndsTheProgramWithoutAProblem) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    test::WhenModal([&] { return program.LocalUserForm(); }, [&] { test::Press(*program.LocalUserForm(), Qt::Key_Escape); });
    EXPECT_FALSE(program.Start(dir.Path()));
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_FALSE(program.MainForm()->isVisible());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "1"));
}

// A number in the course that is no number stops the exercise table of a learner's first
// sign-in: the sign-in is refused with the error's message, the window stays for another try
// or for leaving, and nothing of the learner is written.
TEST(Program, ACourseErrorAtAFirstSignInRefusesItWithItsMessage) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("Listy_r/index.txt", "list1=1=x=3=\r\n");
    dir.Write("usr.t", "1=Ola\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    bool stayed = false;
    test::WhenModal([&] { return program.LocalUserForm(); }, [&] {
        test::Press(*program.LocalUserForm(), Qt::Key_Return);
        stayed = program.LocalUserForm()->isVisible();
        test::Press(*program.LocalUserForm(), Qt::Key_Escape);
    });
    EXPECT_FALSE(program.Start(dir.Path()));
    EXPECT_EQ(program.ExitCode(), 0);
    EXPECT_TRUE(stayed);
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Listy_r\\index.txt:1: 'x' is not a valid integer value"});
    EXPECT_TRUE(program.Context().learner.loginName.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "1"));
}

TEST(Program, AListOfLearnersThatCannotBeReadEndsStartUp) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\nOla=2\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    EXPECT_FALSE(program.Start(dir.Path()));
    EXPECT_EQ(program.ExitCode(), 1);
    EXPECT_EQ(messages.errors, std::vector<std::string>{"usr.t:2: 'Ola' is not a valid integer value"});
    EXPECT_EQ(dir.Read("usr.t"), "1=Ola\r\nOla=2\r\n");
}

TEST(Program, MissingInstallationFilesEndStartUp) {
    test::TempDir dir;
    test::FakeMessages messages;
    Program program(App(), &messages);
    EXPECT_FALSE(program.Start(dir.Path()));
    EXPECT_EQ(messages.shown, std::vector<std::string>{MissingPr55Message()});
    EXPECT_EQ(program.MainForm(), nullptr);
}

// The program run as a learner runs it, its messages on standard error.
struct ProgramRun {
    bool exited = false;  // ended by itself, not by a signal or the test's patience
    int status = -1;
    std::string messages;
    std::string output;
};

ProgramRun RunProgram(const std::string& installation, const std::map<QString, QString>& variables = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QUILLAN_MESSAGES", "stderr");
    environment.remove("QT_SCALE_FACTOR");
    environment.remove("QUILLAN_SCALE");
    for (const auto& [name, value] : variables) environment.insert(name, value);
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(std::string(QUILLAN_BINARY_DIR) + "/apps/quillan/quillan"),
                  {QString::fromStdString(installation)});
    ProgramRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exited = process.exitStatus() == QProcess::NormalExit;
    run.status = process.exitCode();
    run.messages = process.readAllStandardError().toStdString();
    run.output = process.readAllStandardOutput().toStdString();
    return run;
}

// Whatever stops start-up ends in a message and a normal exit with code 1, never in an abort:
// here an installation file that exists but cannot be read (a directory in its place), and an
// installation directory that cannot be entered.
TEST(Program, AnInstallationFileThatCannotBeReadEndsStartUpWithItsMessage) {
    struct Case {
        const char* what;
        const char* directory;  // made where the file should be
        const char* message;    // a part of what the program tells
    } cases[] = {
        {"pr55.ini", "pr55.ini", "pr55.ini\": Is a directory"},
        {"prof_r.txt", "prof_r.txt", "prof_r.txt\": Is a directory"},
        {"dd.t", "dd.t", "dd.t\": Is a directory"},
        {"usr.t", "usr.t", "usr.t\": Is a directory"},
        {"the installation is a file", nullptr, "Cannot find directory"},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        WriteInstallation(dir);
        dir.Write("usr.t", "1=Ola\r\n");
        dir.Write("dd.t", "server\r\n");
        std::string installation = dir.Path();
        if (c.directory) {
            std::filesystem::remove(dir.Path() + c.directory);
            std::filesystem::create_directory(dir.Path() + c.directory);
        } else {
            installation = dir.Write("kurs", "not a directory");
        }
        const ProgramRun run = RunProgram(installation);
        EXPECT_TRUE(run.exited) << c.what;
        EXPECT_EQ(run.status, 1) << c.what;
        EXPECT_NE(run.messages.find(c.message), std::string::npos) << c.what << ": " << run.messages;
        EXPECT_FALSE(std::filesystem::exists(dir.Path() + "1")) << c.what;
    }
}

// The program keeps its paths in Windows-1250: an installation whose directory's name has other
// characters is told as such, not as an installation with its files missing.
TEST(Program, ADirectoryNameTheProgramCannotHoldIsTold) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\n");
    const std::string named = dir.Path() + "курс";
    std::filesystem::create_directory_symlink(dir.Path(), named);
    const ProgramRun run = RunProgram(named);
    EXPECT_TRUE(run.exited);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.messages.find("Nazwa katalogu kursu ma znaki"), std::string::npos) << run.messages;
    EXPECT_NE(run.messages.find("/????"), std::string::npos) << run.messages;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() + "1"));
}

// The program on screens of several sizes: the factor its first window is drawn at. A screen
// with room for 1.25 times the course's 1024 x 768 gets the largest quarter step that fits;
// QUILLAN_SCALE=off keeps the windows at their size, and a QT_SCALE_FACTOR of the user's is kept.
// A desktop that scales by itself (ratio 2: a 1920 x 1080 desktop on 3840 x 2160 pixels) ends
// at the same size on the screen as one that does not.
TEST(Program, LargeScreensDrawTheWindowsLarger) {
    struct Case {
        int width, height;        // as the desktop gives them
        const char* ratio;        // the desktop's own scale
        const char* scale;        // QUILLAN_SCALE, or null
        const char* qtFactor;     // QT_SCALE_FACTOR, or null
        const char* drawn;        // as the first window reports it
    } cases[] = {
        {1024, 768, "1", nullptr, nullptr, "1.00"},   {1279, 960, "1", nullptr, nullptr, "1.00"},
        {1920, 1080, "1", nullptr, nullptr, "1.25"},  {2560, 1440, "1", nullptr, nullptr, "1.75"},
        {3840, 2160, "1", nullptr, nullptr, "2.75"},  {1920, 1080, "2", nullptr, nullptr, "2.75"},
        {1280, 720, "2", nullptr, nullptr, "1.75"},   {1920, 1080, "1", "off", nullptr, "1.00"},
        {1920, 1080, "1", nullptr, "1.5", "1.50"},
    };
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("usr.t", "1=Ola\r\n");
    for (const Case& c : cases) {
        const std::string screens = dir.Write("screen.json", "{\"screens\": [{\"name\": \"S\", \"x\": 0, \"y\": 0, \"width\": " +
                                                                std::to_string(c.width) + ", \"height\": " +
                                                                std::to_string(c.height) + ", \"dpr\": " + c.ratio + "}]}");
        std::map<QString, QString> variables{{"QT_QPA_PLATFORM", "offscreen:configfile=" + QString::fromStdString(screens)},
                                             {"QUILLAN_FIRST_WINDOW_PROBE", "1"}};
        if (c.scale) variables["QUILLAN_SCALE"] = c.scale;
        if (c.qtFactor) variables["QT_SCALE_FACTOR"] = c.qtFactor;
        const std::string what = std::to_string(c.width) + " x " + std::to_string(c.height) + " ratio " + c.ratio + " " +
                                 (c.scale ? c.scale : "") + (c.qtFactor ? c.qtFactor : "");
        const ProgramRun run = RunProgram(dir.Path(), variables);
        EXPECT_EQ(run.status, 0) << what << ": " << run.messages;
        EXPECT_NE(run.output.find(std::string("drawn ") + c.drawn + " times its size"), std::string::npos)
            << what << ": " << run.output;
    }
}

TEST(Program, BadNumberInTheProfileIsReportedAndStartUpGoesOn) {
    test::TempDir dir;
    WriteInstallation(dir);
    dir.Write("prof_r.txt", "Title\r\n1\r\nabc\r\n");
    dir.Write("usr.t", "1=Ola\r\n");
    test::FakeMessages messages;
    Program program(App(), &messages);
    SignInTheLastLearner(program);
    EXPECT_TRUE(program.Start(dir.Path()));
    EXPECT_EQ(messages.errors, std::vector<std::string>{"'abc' is not a valid integer value"});
}

TEST(Program, CourseDataThatStopsStartUp) {
    test::TempDir dir;
    dir.Write("pr55.ini", "MD=media\\");
    dir.Write("prof_r.txt", "Title\r\n1\r\n0\r\n");
    WriteCourseFiles(dir);
    {
        // Too many glossary lines: the message, and the program ends.
        std::string glossary;
        for (int i = 1; i <= 251; ++i) glossary += std::to_string(i) + "=x\r\n";
        dir.Write("slowniczek.txt", glossary);
        test::FakeMessages messages;
        Program program(App(), &messages);
        EXPECT_FALSE(program.Start(dir.Path()));
        EXPECT_EQ(messages.shown, std::vector<std::string>{"Za duza ilosc linijek slowniczka!!!"});
        EXPECT_EQ(program.MainForm(), nullptr);
        dir.Write("slowniczek.txt", "");
    }
    {
        // A required file missing, or a bad number: the error names it, and start-up stops.
        dir.Write("rozumienie_a.txt", "1=2=x=Title=\r\n");
        test::FakeMessages messages;
        Program program(App(), &messages);
        EXPECT_FALSE(program.Start(dir.Path()));
        EXPECT_EQ(messages.errors, std::vector<std::string>{"rozumienie_a.txt:1: 'x' is not a valid integer value"});
    }
}

TEST(Program, EscapingErrorsAreShownAndTheProgramGoesOn) {
    test::FakeMessages messages;
    App().SetMessages(&messages);
    struct Thrower : QObject {
        bool event(QEvent*) override { throw std::runtime_error("'x' is not a valid integer value"); }
    } thrower;
    QEvent event(QEvent::User);
    EXPECT_FALSE(App().notify(&thrower, &event));
    EXPECT_EQ(messages.errors, std::vector<std::string>{"'x' is not a valid integer value"});
    App().SetMessages(nullptr);
}

TEST(Program, ProgramDirectory) {
    EXPECT_EQ(Program::ProgramDirFor("", "/opt/quillan"), "/opt/quillan\\");
    EXPECT_EQ(Program::ProgramDirFor("/home/ola/kurs/", "/opt/quillan"), "/home/ola/kurs/");
}

}  // namespace
}  // namespace quillan
