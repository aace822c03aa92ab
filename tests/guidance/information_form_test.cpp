#include <gtest/gtest.h>

#include <QLabel>

#include "session/app_context.h"
#include "controls/image_list.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "guidance/information_form.h"
#include "support/bitmaps.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"

namespace quillan {
namespace {

class InformationFormTest : public ::testing::Test {
protected:
    InformationFormTest() {
        context.startup.ProgramDir = dir.Path();
        context.startup.AppTitle = "Quillan - Business English";
        test::WriteButtonStrips(dir);
        for (const char* path : {"ok2", "anuluj2", "play", "stop", "strz_up", "strz_dn"})
            list.AddStrip(dir.Path() + "but_r\\" + path + ".bmp", 2, 0, 0);
        dir.Write("Lang_r/0/gfx_r/help.bmp", test::BmpBytes(455, 266, [](int, int) { return 0xffffffu; }));
    }

    // Shows the panel, paints it once and hands it to `check` before closing it.
    void ShowPanel(const std::string& key, const std::function<void(TInformacjaForm&)>& check) {
        TInformacjaForm form(context, list);
        form.PanelKey = key;
        test::WhileModal([&] { form.exec(); },
                         [&] {
                             form.Pb1->grab();
                             check(form);
                             test::Press(form, Qt::Key_Escape);
                         });
        EXPECT_FALSE(form.isVisible());
    }

    test::TempDir dir;
    AppContext context;
    TMyImageList list;
};

TEST_F(InformationFormTest, HelpAndTranslationTexts) {
    ShowPanel("HH_Kliknij <b>OK</b>.", [](TInformacjaForm& form) {
        EXPECT_TRUE(form.ShowsHelp());
        EXPECT_FALSE(form.Image2->pixmap().isNull());
        EXPECT_EQ(form.Tokens(), (std::vector<std::string>{"Kliknij", "<b>", "OK", "</b>", "."}));
        EXPECT_FALSE(form.btn_up->isVisible());
        EXPECT_FALSE(form.btn_dn->isVisible());
        EXPECT_EQ(form.size(), QSize(455, 266));
    });
    ShowPanel("Umowa o pracę", [](TInformacjaForm& form) {
        EXPECT_FALSE(form.ShowsHelp());
        EXPECT_TRUE(form.Image2->pixmap().isNull());  // no translation picture in this installation
        EXPECT_EQ(form.Tokens().front(), "Umowa");
    });
}

TEST_F(InformationFormTest, LongTextScrollsByLines) {
    std::string text = "HH_";
    for (int i = 0; i < 20; ++i) text += "linia " + std::to_string(i) + "@";
    ShowPanel(text, [](TInformacjaForm& form) {
        EXPECT_FALSE(form.btn_up->isVisible());
        ASSERT_TRUE(form.btn_dn->isVisible());
        EXPECT_GE(form.Scroll().MaxScrollLine, 10);
        test::Click(*form.btn_dn);
        EXPECT_EQ(form.Scroll().ScrollLine, 1);
        EXPECT_TRUE(form.btn_up->isVisible());
        test::Click(*form.btn_up);
        EXPECT_EQ(form.Scroll().ScrollLine, 0);
        EXPECT_FALSE(form.btn_up->isVisible());
        // The arrows sit right of the text area.
        EXPECT_GT(form.btn_dn->x(), form.Pb1->geometry().right());
    });
}

TEST_F(InformationFormTest, ClosesWithItsButtonAndEnter) {
    TInformacjaForm form(context, list);
    form.PanelKey = "HH_x";
    test::WhileModal([&] { form.exec(); }, [&] { test::Click(*form.B_OK); });
    EXPECT_FALSE(form.isVisible());
    test::WhileModal([&] { form.exec(); }, [&] { test::Press(form, Qt::Key_Return); });
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.windowTitle(), "Quillan - Business English");
}

}  // namespace
}  // namespace quillan
