#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "session/app_context.h"
#include "app/exit_form.h"
#include "app/main_form.h"
#include "app/settings_form.h"
#include "forms/shared_forms.h"
#include "audio/resource_form.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "course/load_course.h"
#include "help/help_form.h"
#include "help/html_view.h"
#include "platform/files.h"
#include "chart/delete_repetitions_form.h"
#include "session/learner_session.h"
#include "support/bitmaps.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

// Interface texts "Tekst n" (Polish) and "Text n" (English) on lines 1 to 130.
std::string InterfaceTexts(const char* word) {
    std::string text;
    for (int n = 1; n <= 130; ++n) text += std::to_string(n) + "=k=" + word + " " + std::to_string(n) + "=\r\n";
    return text;
}

// The main menu and its windows on a small installation, with a signed-in learner.
class MainMenuTest : public ::testing::Test {
protected:
    MainMenuTest() {
        for (const char* lang : {"0", "1"}) {
            const std::string dirName = std::string("Lang_r/") + lang + "/";
            dir.Write(dirName + "infa_r.txt", InterfaceTexts(*lang == '0' ? "Tekst" : "Text"));
            dir.Write(dirName + "nazwy_r.txt", "");
            dir.Write(dirName + "gra.txt", "");
        }
        for (const char* page : {"h_index", "h_autorzy", "h_pres"})
            dir.Write(std::string("Htm_r/") + page + ".html", std::string("<html><body>") + page + "</body></html>");
        test::WriteButtonStrips(dir);
        StartupState& s = context.startup;
        s.ProgramDir = dir.Path();
        s.AppTitle = "Quillan - Business English";
        context.services.messages = &messages;
        context.services.clock = &clock;
        LoadLanguageResources(s, context.course);
        forms = std::make_unique<SharedForms>(context, printer);
        forms->form5->LoadButtonPictures();
        context.services.soundPlayer = &player;
        OpenLearnerFiles(context, dir.Path() + "1\\", 0);
        AppendRecord(context.learner.results, 46000.0, "slo_1", "Words", 61, 1);
        main = std::make_unique<TMainForm>(context, *forms);
    }
    ~MainMenuTest() override {
        main.reset();
        forms.reset();
    }

    void DueRepetition() {
        RepetitionEntry entry;
        entry.Id = "slo_1";
        entry.Kind = 61;
        entry.Due = clock.now - 1;
        context.learner.repetitions.entries.push_back(entry);
    }

    test::TempDir dir;
    test::FakeMessages messages;
    test::FakeClock clock{46365.5};
    test::FakePrinter printer;
    test::FakeSoundPlayer player;
    AppContext context;
    std::unique_ptr<SharedForms> forms;
    std::unique_ptr<TMainForm> main;
};

TEST_F(MainMenuTest, EveryShowingPlaysTheOpeningSoundAndWeighsTheRepetitionsButton) {
    main->show();
    EXPECT_TRUE(main->l_powtorki->isHidden());
    const test::FakeSoundPlayer::Play opening{dir.Path() + "wav_r\\r_open.wav", false};
    EXPECT_EQ(player.played, std::vector<test::FakeSoundPlayer::Play>{opening});

    DueRepetition();
    main->hide();
    main->show();
    EXPECT_FALSE(main->l_powtorki->isHidden());
    EXPECT_EQ(player.played.size(), 2u);

    // Deleted elsewhere (the chart): the menu is told to look again.
    context.learner.repetitions.entries.clear();
    main->UpdateRepetitionsButton();
    EXPECT_TRUE(main->l_powtorki->isHidden());
}

TEST_F(MainMenuTest, ButtonsAskForTheChartInTheirModes) {
    DueRepetition();
    main->show();
    std::vector<std::pair<int, bool>> asked;
    QObject::connect(main.get(), &TMainForm::ChartRequested, [&](int mode, bool deleteAll) { asked.emplace_back(mode, deleteAll); });
    test::Click(*main->m_subj);
    test::Click(*main->l_powtorki);
    EXPECT_EQ(asked, (std::vector<std::pair<int, bool>>{{1, false}, {2, true}}));
}

TEST_F(MainMenuTest, HelpOpensFromTheKeyAndTheLabels) {
    main->show();
    test::Press(*main, Qt::Key_F1);
    THelpForm& help = *forms->help;
    EXPECT_TRUE(help.isVisible());
    EXPECT_TRUE(help.FrameViewer1->source().toLocalFile().endsWith("Htm_r/h_index.html"));
    EXPECT_FALSE(help.isModal());
    help.close();

    test::Click(*main->lbl_autorzy);
    EXPECT_TRUE(help.FrameViewer1->source().toLocalFile().endsWith("Htm_r/h_autorzy.html"));
    help.close();
}

TEST_F(MainMenuTest, LeavingIsConfirmedInTheExitWindow) {
    main->show();
    int ending = 0;
    QObject::connect(main.get(), &TMainForm::ProgramEnding, [&] { ++ending; });
    bool asked = false;
    test::WhenModal(&main->ExitForm(), [&] {
        asked = main->ExitForm().isVisible();
        test::Press(main->ExitForm(), Qt::Key_Escape);
    });
    test::Click(*main->lbl_exit);
    EXPECT_TRUE(asked);
    EXPECT_TRUE(main->isVisible()) << "Escape keeps the program running";
    EXPECT_EQ(ending, 0);

    test::WhenModal(&main->ExitForm(), [&] { test::Click(*main->ExitForm().B_OK); });
    main->close();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(ending, 1);
}

TEST_F(MainMenuTest, SettingsWindowRefusesBadNumbersAndSavesWhatWasChosen) {
    const std::string path = SettingsPath(context);
    const std::string before = ReadFileIfExists(path).value_or("");
    TOpcjeForm& form = main->SettingsForm();
    int language = 0;
    QObject::connect(&form, &TOpcjeForm::InterfaceLanguageChanged, [&] { ++language; });
    std::vector<std::string> refusals;
    bool okHiddenAtFirst = false, okShownOnChange = false, toggledByLabel = false;

    test::WhenModal(&form, [&] {
        okHiddenAtFirst = form.B_OK->isHidden();
        test::Click(*form.Label1);
        toggledByLabel = !form.cb_wielkoscliter->isChecked();
        okShownOnChange = !form.B_OK->isHidden();

        const std::pair<const char*, const char*> bad[] = {
            {"6a", "3"}, {"50", "x"}, {"   ", "3"}, {"101", "3"}, {"100", "0"}, {"100", "250"}};
        for (auto [threshold, interval] : bad) {
            form.E_powtorki_wynik->setText(threshold);
            form.E_powtorki_interwal->setText(interval);
            test::WhenModal(forms->form20.get(), [&] {
                refusals.push_back(forms->form20->Label1->text().toStdString());
                test::Press(*forms->form20, Qt::Key_Escape);
            });
            test::Click(*form.B_OK);
        }
        form.E_powtorki_wynik->setText(" 100 ");
        form.E_powtorki_interwal->setText("1");
        form.cb_lang->setCurrentIndex(1);  // english
        test::Press(form, Qt::Key_Return);
    });
    test::Click(*main->lbl_opcje);

    EXPECT_TRUE(okHiddenAtFirst);
    EXPECT_TRUE(toggledByLabel);
    EXPECT_TRUE(okShownOnChange);
    EXPECT_EQ(refusals, (std::vector<std::string>{"Tekst 124", "Tekst 125", "Tekst 126", "Tekst 126", "Tekst 127",
                                                  "Tekst 127"}));
    EXPECT_FALSE(form.isVisible());

    Settings expected;
    expected.LangIndex = 1;
    expected.CaseSensitive = false;
    expected.RepetitionThreshold = 100;
    expected.FirstRepetitionInterval = 1;
    EXPECT_NE(ReadFileIfExists(path).value_or(""), before);
    EXPECT_EQ(ReadSettingsFile(path), expected);
    EXPECT_EQ(context.learner.settings, expected);
    // The language takes effect at once.
    EXPECT_EQ(language, 1);
    EXPECT_EQ(context.startup.LangDir, "Lang_r\\1\\");
    EXPECT_EQ(UiText(context.course.interfaceTexts, 56), "Text 56");
}

TEST_F(MainMenuTest, SettingsWindowLeftWithoutSavingAndItsHelpOverIt) {
    const std::string before = ReadFileIfExists(SettingsPath(context)).value_or("");
    TOpcjeForm& form = main->SettingsForm();
    bool helpUsable = false, backToSettings = false;
    test::WhenModal(&form, [&] {
        test::Click(*form.Label19);
        form.E_powtorki_wynik->setText("5");
        // F1 over the modal settings window: the help window is the one that takes input.
        test::Press(*form.E_powtorki_wynik, Qt::Key_F1);
        helpUsable = QApplication::activeModalWidget() == forms->help.get();
        forms->help->close();
        backToSettings = QApplication::activeModalWidget() == &form;
        test::Press(form, Qt::Key_Escape);
    });
    form.exec();
    EXPECT_TRUE(helpUsable);
    EXPECT_TRUE(backToSettings);
    EXPECT_EQ(ReadFileIfExists(SettingsPath(context)).value_or(""), before);
    EXPECT_EQ(context.learner.settings, Settings{});
}

TEST_F(MainMenuTest, DeletingAllRepetitionsIsConfirmedFirst) {
    Tkas_powt_Form form(context.Window(), forms->form5->MyImageList1);
    QString question;
    test::WhenModal(&form, [&] {
        question = form.Label1->text();
        test::Click(*form.B_OK);
    });
    EXPECT_TRUE(form.Confirm());
    EXPECT_EQ(question, "Tekst 117");
    EXPECT_EQ(form.Tag, 1);

    test::WhenModal(&form, [&] { test::Click(*form.B_Zamknij); });
    EXPECT_FALSE(form.Confirm());
    test::WhenModal(&form, [&] { test::Press(form, Qt::Key_Escape); });
    EXPECT_FALSE(form.Confirm());
    EXPECT_EQ(form.Tag, 0);
}

}  // namespace
}  // namespace quillan
