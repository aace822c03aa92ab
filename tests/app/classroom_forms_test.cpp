#include "app/classroom_forms.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "audio/resource_form.h"
#include "classroom/classroom_messages.h"
#include "classroom/classroom_records.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "course/load_course.h"
#include "forms/shared_forms.h"
#include "progress/results_store.h"
#include "session/app_context.h"
#include "support/bitmaps.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

using classroom::EncodeUserRecord;

LinkReply Ok(std::string bytes) { return {true, {}, std::move(bytes)}; }

// The classroom windows on a small installation whose server is a script.
class ClassroomForms : public ::testing::Test {
protected:
    ClassroomForms() {
        for (const char* file : {"Lang_r/0/infa_r.txt", "Lang_r/0/nazwy_r.txt", "Lang_r/0/gra.txt"}) dir.Write(file, "");
        test::WriteButtonStrips(dir);
        StartupState& s = context.startup;
        s.ProgramDir = dir.Path();
        s.LearnerDataDir = dir.Path();
        s.ServerHost = "10.0.0.5";
        s.ClassroomMode = 1;
        context.services.messages = &messages;
        context.services.clock = &clock;
        context.services.classroomLink = &server;
        LoadLanguageResources(s, context.course);
        forms = std::make_unique<SharedForms>(context, printer);
        forms->form5->LoadButtonPictures();
        password = std::make_unique<TZmienPassForm>(context, *forms);
        login = std::make_unique<TNetLoginForm>(context, *forms, *password);
        end = std::make_unique<TNetKoniecForm>(context, *forms);
    }
    ~ClassroomForms() override {
        end.reset();
        login.reset();
        password.reset();
        forms.reset();
    }

    test::TempDir dir;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};
    test::FakePrinter printer;
    test::FakeClassroomLink server;
    AppContext context;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<TZmienPassForm> password;
    std::unique_ptr<TNetLoginForm> login;
    std::unique_ptr<TNetKoniecForm> end;
};

TEST_F(ClassroomForms, TheLoginButtonShowsOnlyWhileBothEditsHoldMoreThanSpaces) {
    login->show();
    struct Case {
        const char *user, *password;
        bool shown;
    };
    for (const Case& c : {Case{"", "", false}, Case{"ola", "", false}, Case{"ola", "   ", false},
                          Case{"  ", "pw", false}, Case{" ola ", " pw", true}}) {
        login->edit_user->setText(c.user);
        login->edit_password->setText(c.password);
        EXPECT_EQ(login->btn_ok->isVisible(), c.shown) << c.user << "/" << c.password;
    }
    test::Press(*login, Qt::Key_Return);
    EXPECT_EQ(server.requests.size(), 1u) << "Enter presses the visible button";
    EXPECT_EQ(login->edit_password->echoMode(), QLineEdit::Password);

    // Shown again: empty.
    login->hide();
    login->show();
    EXPECT_TRUE(login->edit_user->text().isEmpty());
    EXPECT_TRUE(login->btn_ok->isHidden());
    test::Press(*login, Qt::Key_Return);
    EXPECT_EQ(server.requests.size(), 1u) << "a hidden button is not pressed";
    login->hide();
}

TEST_F(ClassroomForms, TheLoginWindowEndsLoggedInForLocalWorkOrToEndTheProgram) {
    // A wrong password: told, and the window stays for another attempt, which logs in.
    ResultsTable kept;
    AppendRecord(kept, 46000.5, "slo_1", "S0101", 61, 1);
    server.replies = {Ok("0#0#0#0#0#0#"), Ok("1#1#0#0#1#0#"), Ok(EncodeResults(kept.records)), Ok(EncodeUserRecord("ola", true)),
                      Ok(classroom::LessonsReplyBytes({}, {}))};
    test::WhenModal(login.get(), [&] {
        login->edit_user->setText("ola");
        login->edit_password->setText("zle");
        test::Click(*login->btn_ok);
        EXPECT_TRUE(login->isVisible());
        EXPECT_EQ(messages.shown, std::vector<std::string>{classroom::WrongCredentialsMessage()});
        login->edit_password->setText("dobre");
        test::Click(*login->btn_ok);
    });
    EXPECT_EQ(login->Open(), TNetLoginForm::Result::LoggedIn);
    EXPECT_EQ(context.learner.loginName, "ola");

    context.startup.LocalFallbackAllowed = true;
    test::WhenModal(login.get(), [&] {
        EXPECT_TRUE(login->img_lokalna->isVisible());
        test::Click(*login->img_lokalna);
    });
    EXPECT_EQ(login->Open(), TNetLoginForm::Result::LocalWork);

    context.startup.LocalFallbackAllowed = false;
    test::WhenModal(login.get(), [&] {
        EXPECT_TRUE(login->img_lokalna->isHidden());
        test::Press(*login, Qt::Key_Escape);  // not a way out
        EXPECT_TRUE(login->isVisible());
        test::Click(*login->img_pomoc);
        test::Click(*login->btn_anuluj);
    });
    EXPECT_EQ(login->Open(), TNetLoginForm::Result::Quit);
    EXPECT_EQ(messages.shown.back(), classroom::ForgottenLoginMessage());
}

TEST_F(ClassroomForms, ThePasswordWindowChecksWhatWasTypedAndSendsTheChange) {
    server.replies = {Ok("TRUE")};
    test::WhenModal(login.get(), [&] {
        test::WhenModal(password.get(), [&] {
            EXPECT_EQ(password->edit_new_password2->echoMode(), QLineEdit::Password);
            EXPECT_EQ(password->edit_user->echoMode(), QLineEdit::Normal);
            password->edit_user->setText("ola");
            password->edit_password->setText("stare");
            password->edit_new_password1->setText("nowe");
            password->edit_new_password2->setText("inne");
            test::Click(*password->button1);
            EXPECT_TRUE(password->isVisible()) << "the window stays after a refused check";
            password->edit_new_password2->setText("nowe");
            test::Click(*password->button1);
        });
        test::Click(*login->img_zmienhaslo);
        EXPECT_FALSE(password->isVisible());
        test::Click(*login->btn_anuluj);
    });
    login->Open();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{classroom::PasswordsDifferMessage(),
                                                       classroom::PasswordChangedMessage()}));
    EXPECT_EQ(server.Lines(), std::vector<std::string>{"CHP:ola#stare#nowe#"});

    // Shown again: every edit empty; its second button closes it.
    test::WhenModal(password.get(), [&] {
        for (QLineEdit* edit : {password->edit_user, password->edit_password, password->edit_new_password1,
                                password->edit_new_password2})
            EXPECT_TRUE(edit->text().isEmpty());
        test::Click(*password->button2);
    });
    password->exec();
}

TEST_F(ClassroomForms, TheEndWindowOffersToEndOrToLogOutTheLearner) {
    context.classroom.identity.user = "ola";
    struct Case {
        int item;
        bool ok;
        int tag;
    };
    for (const Case& c : {Case{0, true, 1}, Case{1, true, 2}, Case{1, false, 0}}) {
        test::WhenModal(end.get(), [&] {
            ASSERT_EQ(end->ComboBox1->count(), 2);
            EXPECT_EQ(end->ComboBox1->currentIndex(), 0);
            EXPECT_EQ(end->ComboBox1->itemText(0), QString::fromUtf8("Zamknij program"));
            EXPECT_EQ(end->ComboBox1->itemText(1), "Wyloguj: ola");
            end->ComboBox1->setCurrentIndex(c.item);
            test::Click(c.ok ? *end->B_OK : *end->B_Zamknij);
        });
        EXPECT_EQ(end->Open(), c.tag);
    }
}

}  // namespace
}  // namespace quillan
