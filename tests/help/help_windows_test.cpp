#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QTextDocument>

#include "session/app_context.h"
#include "audio/multimedia_form.h"
#include "controls/image_list.h"
#include "controls/message_form.h"
#include "controls/transparent_button.h"
#include "forms/shared_forms.h"
#include "help/help_form.h"
#include "help/html_small_form.h"
#include "help/html_view.h"
#include "platform/cp1250.h"
#include "platform/qt/qt_html.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text.h"
#include "support/bitmaps.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "support/ui_helpers.h"
#include "support/wav.h"

namespace quillan {
namespace {

std::string Page(const std::string& title, const std::string& body) {
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\"><title>" + title +
           "</title></head><body><h1>" + title + "</h1>" + body + "</body></html>";
}

std::string Filler(int paragraphs) {
    std::string text;
    for (int i = 0; i < paragraphs; ++i) text += "<p>Akapit " + std::to_string(i) + " tekstu pomocy.</p>";
    return text;
}

class HelpWindowsTest : public ::testing::Test {
protected:
    HelpWindowsTest() {
        StartupState& s = context.startup;
        s.ProgramDir = dir.Path();
        s.MediaDir = dir.Path() + "media\\";
        s.ResultsDirectory = dir.Path() + "1\\";
        s.AppTitle = "Quillan - Business English";
        context.services.messages = &messages;
        context.course.interfaceTexts.resize(130);
        context.course.interfaceTexts[127] = "Wydrukowano.";
        test::WriteButtonStrips(dir);
        for (const char* path : {"but_r\\podr_back2.bmp", "but_r\\podr_druk2.bmp", "but_r\\podr_spis2.bmp",
                                        "but_r\\close_panel.bmp", "but_r\\ok2.bmp"})
            list.AddStrip(dir.Path() + path, 2, 0, 0);
        dir.Write("1/.keep", "");
        dir.Write("Htm_r/h_index.html", Page("Spis", "<a href=\"h_comp.html\">Ćwiczenia</a> <a href=\"H_Rep.html\">Powtórki</a>"));
        dir.Write("Htm_r/h_comp.html", Page("Ćwiczenia", "<a href=\"h_rep.html\">dalej</a>" + Filler(80) +
                                                             "<a name=\"dialogi\"></a><h2>Dialogi</h2>" + Filler(80)));
        dir.Write("Htm_r/h_rep.html", Page("Powtórki", "<img src=\"Gfx/Kalendarz.PNG\"><a href=\"h_index.html\">spis</a>"));
        dir.Write("Htm_r/gfx/.keep", "");
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(QString::fromStdString(dir.Path() + "Htm_r/gfx/kalendarz.png"));
    }

    THelpForm& Help() {
        if (!help) {
            help = std::make_unique<THelpForm>(context, list, printer, form20);
        }
        return *help;
    }

    std::string Shown() { return FromQtFile(Help().FrameViewer1->source()); }
    static std::string FromQtFile(const QUrl& url) {
        const QString file = url.fileName();
        return file.toStdString() + (url.hasFragment() ? "#" + url.fragment().toStdString() : "");
    }

    test::TempDir dir;
    test::FakeMessages messages;
    AppContext context;
    TMyImageList list;
    QtPrinter printer{[this] { return context.startup.ResultsDirectory; }, QtPrinter::Target::Pdf};
    TForm20 form20{context, list};
    std::unique_ptr<THelpForm> help;
};

TEST_F(HelpWindowsTest, OpensAPageAtItsAnchor) {
    Help().ShowPage(dir.Path() + "Htm_r\\h_comp.html#dialogi");
    EXPECT_EQ(Shown(), "h_comp.html#dialogi");
    EXPECT_TRUE(Help().isVisible());
    EXPECT_FALSE(Help().btn_back->isVisible());
    EXPECT_TRUE(Help().btn_spis->isVisible());
    EXPECT_TRUE(Help().FrameViewer1->toPlainText().contains(QString::fromUtf8("Ćwiczenia")));
    // Scrolled down to the anchor.
    EXPECT_GT(Help().FrameViewer1->verticalScrollBar()->value(), 0);
}

TEST_F(HelpWindowsTest, ContentsPageShowsNeitherBackNorContents) {
    Help().ShowPage(dir.Path() + "Htm_r\\h_index.html");
    EXPECT_FALSE(Help().btn_back->isVisible());
    EXPECT_FALSE(Help().btn_spis->isVisible());
}

TEST_F(HelpWindowsTest, LinksAndBack) {
    Help().ShowPage(dir.Path() + "Htm_r\\h_index.html");
    emit Help().FrameViewer1->anchorClicked(QUrl("h_comp.html"));
    EXPECT_EQ(Shown(), "h_comp.html");
    EXPECT_TRUE(Help().btn_back->isVisible());
    EXPECT_TRUE(Help().btn_spis->isVisible());
    emit Help().FrameViewer1->anchorClicked(QUrl("h_rep.html"));
    EXPECT_EQ(Help().Navigation().Depth(), 3);
    // The picture named in other letter case was found.
    const QVariant picture =
        Help().FrameViewer1->document()->resource(QTextDocument::ImageResource, QUrl("Gfx/Kalendarz.PNG"));
    EXPECT_TRUE(picture.isValid());

    test::Click(*Help().btn_back);
    EXPECT_EQ(Shown(), "h_comp.html");
    EXPECT_TRUE(Help().btn_back->isVisible());
    test::Click(*Help().btn_back);
    EXPECT_EQ(Shown(), "h_index.html");
    EXPECT_FALSE(Help().btn_back->isVisible());

    // The contents button starts afresh: no way back from it.
    emit Help().FrameViewer1->anchorClicked(QUrl("H_Rep.html"));
    test::Click(*Help().btn_spis);
    EXPECT_EQ(Shown(), "h_index.html");
    EXPECT_FALSE(Help().btn_back->isVisible());
    EXPECT_FALSE(Help().FrameViewer1->isBackwardAvailable());
}

TEST_F(HelpWindowsTest, PrintsThePageToAPdfAndTellsWhere) {
    Help().ShowPage(dir.Path() + "Htm_r\\h_comp.html#dialogi");
    QString told;
    test::WhileModal([&] { test::Click(*Help().Button2); },
                     [&] {
                         told = form20.Label1->text();
                         form20.accept();
                     });
    told.remove(QChar(0x200B));  // where the path may break
    ASSERT_TRUE(told.startsWith("Wydruk zapisano w pliku:\n")) << told.toStdString();
    const QString pdf = told.mid(25);
    EXPECT_TRUE(pdf.startsWith(QString::fromStdString(dir.Path() + "1/wydruk_"))) << pdf.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << told.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    EXPECT_FALSE(QFile::exists(pdf + ".part"));
    EXPECT_TRUE(messages.errors.empty());
}

// Paper is told with the installation's text; a PDF file is told as a file, with its whole
// name shown in the message window, however long.
TEST_F(HelpWindowsTest, APrintoutToAFileTellsItsWholeName) {
    const std::string deep = dir.Path() + "uczniowie_klasy_3b/zofia_zak_2024/wydruki_z_kursu/";
    struct Case {
        int language;
        std::string pdfPath;
        std::string told;  // the first line
    } cases[] = {
        {0, "", "Wydrukowano."},
        {0, dir.Path() + "1/wydruk_2024-05-06_12-30-45.pdf", "Wydruk zapisano w pliku:"},
        {1, dir.Path() + "1/wydruk_2024-05-06_12-30-45_2.pdf", "The printout has been saved to the file:"},
        {0, deep + "wydruk_2024-05-06_12-30-45_bardzo_dlugiej_nazwy_pliku_z_podkreslnikami.pdf", "Wydruk zapisano w pliku:"},
    };
    for (const Case& c : cases) {
        context.startup.LangIndex = c.language;
        test::FakePrinter paper;
        paper.outcome = {true, c.pdfPath, {}};
        THelpForm form(context, list, paper, form20);
        form.ShowPage(dir.Path() + "Htm_r\\h_rep.html");
        QString shown;
        bool fits = false, insideTheWindow = false;
        test::WhileModal([&] { test::Click(*form.Button2); },
                         [&] {
                             QLabel& label = *form20.Label1;
                             shown = label.text();
                             const QRect needed = QFontMetrics(label.font()).boundingRect(
                                 QRect(0, 0, label.width(), 10000), Qt::TextWordWrap | label.alignment(), shown);
                             fits = needed.width() <= label.width() && needed.height() <= label.height();
                             insideTheWindow = form20.rect().contains(label.geometry()) &&
                                               label.geometry().bottom() < form20.B_OK->geometry().top();
                             form20.accept();
                         });
        shown.remove(QChar(0x200B));
        const std::string expected = c.pdfPath.empty() ? c.told : c.told + "\n" + c.pdfPath;
        EXPECT_EQ(shown.toStdString(), expected);
        EXPECT_TRUE(fits) << "the whole message shows: " << expected;
        EXPECT_TRUE(insideTheWindow) << expected;
        EXPECT_TRUE(messages.errors.empty());
    }
}

TEST_F(HelpWindowsTest, PrintFailureIsNotReportedAsPrinted) {
    test::FakePrinter failing;
    failing.outcome = {false, {}, "Brak drukarki."};
    THelpForm form(context, list, failing, form20);
    form.ShowPage(dir.Path() + "Htm_r\\h_rep.html");
    test::Click(*form.Button2);
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Brak drukarki."});
    ASSERT_EQ(failing.documents.size(), 1u);
    EXPECT_NE(failing.documents[0].find("Kalendarz"), std::string::npos);
    EXPECT_EQ(failing.directories[0], dir.Path() + "Htm_r/");
}

TEST_F(HelpWindowsTest, HelpPutsTheMediaWindowAwayWhileItShows) {
    SharedForms forms(context, printer);
    TMultimediaForm& media = *forms.multimedia;
    THelpForm& help = *forms.help;
    dir.Write("media/Teksty_wav/7.wav", test::WavBytes(200));
    media.ShowMedia(2, context.startup.MediaDir + "Teksty_wav\\7.wav");
    ASSERT_TRUE(media.isVisible());

    help.ShowPage(dir.Path() + "Htm_r\\h_index.html");
    EXPECT_FALSE(media.isVisible());
    help.close();
    EXPECT_TRUE(media.isVisible());

    // Closed by its own button it stays away.
    test::Click(*media.btn_zamknij);
    help.ShowPage(dir.Path() + "Htm_r\\h_index.html");
    help.close();
    EXPECT_FALSE(media.isVisible());
}

TEST_F(HelpWindowsTest, SmallWindowShowsATextPageModally) {
    THtml_SmallForm small(context, list, printer, form20);
    dir.Write("Lang_r/0/gfx_r/reading.bmp", test::BmpBytes(500, 400, [](int, int) { return 0xe8eef5u; }));
    dir.Write("Teksty_htm_r/7.htm", Utf8ToCp1250("<html><body><p>Zażółć gęślą jaźń</p></body></html>"));
    small.SetBackground(dir.Path() + "Lang_r\\0\\gfx_r\\reading.bmp");
    QString text;
    QSize size;
    test::WhileModal([&] { small.OpenModal(dir.Path() + "Teksty_htm_r\\7.htm"); },
                     [&] {
                         text = small.Html->toPlainText();
                         size = small.size();
                         test::Click(*small.btn_exit);
                     });
    EXPECT_EQ(text.trimmed(), QString::fromUtf8("Zażółć gęślą jaźń"));  // a page of the installation's own code page
    EXPECT_EQ(size, QSize(500, 400));
    EXPECT_FALSE(small.isVisible());
}

TEST(HtmlText, CharacterSets) {
    const std::string polish = "Zażółć";
    EXPECT_EQ(DecodeHtml("<meta charset=\"utf-8\"><p>" + polish + "</p>"), QString::fromUtf8(("<meta charset=\"utf-8\"><p>" + polish + "</p>").c_str()));
    EXPECT_EQ(DecodeHtml(Utf8ToCp1250("<meta charset=windows-1250><p>" + polish)),
              QString::fromUtf8(("<meta charset=windows-1250><p>" + polish).c_str()));
    EXPECT_EQ(DecodeHtml("<p>" + polish), QString::fromUtf8(("<p>" + polish).c_str()));              // plain UTF-8
    EXPECT_EQ(DecodeHtml(Utf8ToCp1250("<p>" + polish)), QString::fromUtf8(("<p>" + polish).c_str()));  // plain 1250
    EXPECT_EQ(DecodeHtml("\xEF\xBB\xBF<p>x"), "<p>x");
}

}  // namespace
}  // namespace quillan
