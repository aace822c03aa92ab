#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/program.h"
#include "app/quillan_application.h"
#include "app/installation.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan {
namespace {

QuillanApplication& App() { return *static_cast<QuillanApplication*>(QCoreApplication::instance()); }

// The course files start-up cannot do without, empty, and the two catalog files.
void WriteCourseFiles(const test::TempDir& dir) {
    for (const char* file : {"Lang_r/0/infa_r.txt", "Lang_r/0/nazwy_r.txt", "Lang_r/0/gra.txt", "rozumienie_a.txt",
                             "St_a.txt", "kurs_cwicz.vrk", "kurs_cwicz2.vrk"})
        dir.Write(file, "");
}

TEST(Program, StartsOnAnInstallationAndShowsTheMainWindow) {
    test::TempDir dir;
    dir.Write("pr55.ini", "[x]\r\nMD=media\\\r\n");
    dir.Write("prof_r.txt", "Quillan - Business English\r\n1\r\n0\r\n");
    WriteCourseFiles(dir);
    test::FakeMessages messages;
    Program program(App(), &messages);
    ASSERT_TRUE(program.Start(dir.Path()));
    ASSERT_NE(program.MainForm(), nullptr);
    EXPECT_TRUE(program.MainForm()->isVisible());
    EXPECT_EQ(program.MainForm()->windowTitle(), "Quillan - Business English");
    EXPECT_EQ(program.MainForm()->size(), QSize(1024, 768));
    EXPECT_TRUE(program.MainForm()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(program.Context().startup.ClassroomMode, -1);
    EXPECT_TRUE(messages.shown.empty());
    program.MainForm()->close();
}

TEST(Program, MissingInstallationFilesEndStartUp) {
    test::TempDir dir;
    test::FakeMessages messages;
    Program program(App(), &messages);
    EXPECT_FALSE(program.Start(dir.Path()));
    EXPECT_EQ(messages.shown, std::vector<std::string>{MissingPr55Message()});
    EXPECT_EQ(program.MainForm(), nullptr);
}

TEST(Program, BadNumberInTheProfileIsReportedAndStartUpGoesOn) {
    test::TempDir dir;
    dir.Write("pr55.ini", "MD=media\\");
    dir.Write("prof_r.txt", "Title\r\n1\r\nabc\r\n");
    WriteCourseFiles(dir);
    test::FakeMessages messages;
    Program program(App(), &messages);
    EXPECT_TRUE(program.Start(dir.Path()));
    EXPECT_EQ(messages.errors, std::vector<std::string>{"'abc' is not a valid integer value"});
    program.MainForm()->close();
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
