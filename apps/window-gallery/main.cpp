// Opens the windows that every exercise shares, and the sign-in, settings and main menu windows,
// on an installation, each with sample content, and saves a picture of each into a directory,
// so that they can be looked at without working through the course. With --screen it also
// leaves them on the screen together and saves a picture of the whole screen (run it under a
// real or virtual X server). With --learner it also shows the exercise chart of that learner's
// directory in both modes, and its printout.
//
//   window-gallery INSTALLATION_DIR OUT_DIR [--screen] [--learner LEARNER_DIR]

#include <QDir>
#include <QFile>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <iostream>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "session/app_context.h"
#include "app/classroom_forms.h"
#include "app/exit_form.h"
#include "app/local_learners.h"
#include "app/local_user_form.h"
#include "app/main_form.h"
#include "app/new_learner_form.h"
#include "app/settings_form.h"
#include "chart/delete_repetitions_form.h"
#include "progress/repetitions.h"
#include "progress/results_store.h"
#include "app/installation.h"
#include "app/program.h"
#include "app/quillan_application.h"
#include "platform/qt/screen_scale.h"
#include "forms/shared_forms.h"
#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "forms/answer_form.h"
#include "controls/message_form.h"
#include "controls/picture_controls.h"
#include "controls/result_gauge.h"
#include "forms/summary_form.h"
#include "controls/transparent_button.h"
#include "course/load_course.h"
#include "guidance/information_form.h"
#include "help/help_form.h"
#include "help/html_small_form.h"
#include "help/page_printing.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_html.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text.h"
#include "chart/chart_form.h"
#include "chart/chart_printout.h"
#include "exercises/exercise_windows.h"
#include "session/learner_session.h"
#include "text/numbered_texts.h"

namespace {

using namespace quillan;

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget& window, const QString& dir, const QString& name) {
    Settle(150);
    const QString path = dir + "/" + name + ".png";
    window.grab().save(path);
    std::cout << path.toStdString() << "\n";
}

// Every strip of the button-picture list in both its frames on a mid-grey ground, with its
// index: pictures out of line or with their transparent colour showing stand out here.
void SaveStripSheet(TMyImageList& list, const QString& dir) {
    QWidget sheet;
    sheet.setAutoFillBackground(true);
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x80, 0x88, 0x90));
    sheet.setPalette(palette);
    const int columns = 4, cellW = 250, cellH = 70;
    sheet.resize(columns * cellW, (list.Count() + columns - 1) / columns * cellH);
    for (int i = 0; i < list.Count(); ++i) {
        const int x = i % columns * cellW, y = i / columns * cellH;
        auto* label = new QLabel(QString::number(i), &sheet);
        label->move(x + 4, y + 4);
        for (int stan : {0, 1}) {
            auto* button = new TTransparentButton(&sheet, &list, i);
            button->SetStan(stan);
            button->move(x + 30 + stan * (list.FrameWidth(i) + 8), y + 4);
        }
    }
    sheet.show();
    Save(sheet, dir, "strips");
}

std::string Text(const char* utf8) { return Utf8ToCp1250(utf8); }

// The sign-in windows with the installation's learners (nothing is written), the settings and
// exit windows, the question before deleting all repetitions, and the main menu with a
// repetition due.
void SaveMenuWindows(AppContext& context, SharedForms& forms, const QString& out) {
    LocalLearners learners(context);
    TForm10 newLearner(context, forms, learners);
    TForm9 users(context, forms, learners, newLearner);
    users.show();
    Save(users, out, "TForm9");
    users.hide();
    newLearner.show();
    newLearner.Edit1->setText(ToQt(Text("Zofia Żak")));
    Save(newLearner, out, "TForm10");
    newLearner.hide();
    const bool englishOnly = context.startup.EnglishOnly;
    context.startup.EnglishOnly = true;
    newLearner.show();
    Save(newLearner, out, "TForm10_english_only");
    newLearner.hide();
    context.startup.EnglishOnly = englishOnly;

    TOpcjeForm settings(context, forms);
    settings.show();
    settings.cb_wielkoscliter->toggle();
    Save(settings, out, "TOpcjeForm");
    settings.hide();

    TForm24 exit(context, forms.form5->MyImageList1);
    exit.show();
    Save(exit, out, "TForm24");
    exit.hide();
    Tkas_powt_Form deleteAll(context.Window(), forms.form5->MyImageList1);
    deleteAll.show();
    Save(deleteAll, out, "Tkas_powt_Form");
    deleteAll.hide();

    QtClock clock;
    context.services.clock = &clock;
    AppendRecord(context.learner.results, clock.Now() - 10, "slo_1", "Words", 61, 1);
    RepetitionEntry due;
    due.Id = "slo_1";
    due.Kind = 61;
    due.Due = clock.Now() - 1;
    context.learner.repetitions.entries.push_back(due);
    TMainForm menu(context, forms);
    menu.show();
    Save(menu, out, "TMainForm");
    menu.hide();
    context.services.clock = nullptr;
}

// The classroom windows: the login (offering local work), the password change filled in, and
// the end window of a logged-in learner.
void SaveClassroomWindows(AppContext& context, SharedForms& forms, const QString& out) {
    const bool local = context.startup.LocalFallbackAllowed;
    context.startup.LocalFallbackAllowed = true;
    TZmienPassForm password(context, forms);
    TNetLoginForm login(context, forms, password);
    login.show();
    login.edit_user->setText(ToQt(Text("Zofia Żak")));
    login.edit_password->setText("secret");
    Save(login, out, "TNetLoginForm");
    login.hide();
    context.startup.LocalFallbackAllowed = false;
    login.show();
    Save(login, out, "TNetLoginForm_no_local_work");
    login.hide();
    context.startup.LocalFallbackAllowed = local;

    password.show();
    password.edit_user->setText(ToQt(Text("Zofia Żak")));
    for (QLineEdit* edit : {password.edit_password, password.edit_new_password1, password.edit_new_password2})
        edit->setText("secret");
    Save(password, out, "TZmienPassForm");
    password.hide();

    context.classroom.identity.user = Text("Zofia Żak");
    TNetKoniecForm end(context, forms);
    end.show();
    Save(end, out, "TNetKoniecForm");
    end.ComboBox1->setCurrentIndex(1);
    Save(end, out, "TNetKoniecForm_log_out");
    end.hide();
}

void MoveMouse(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    const QEvent::Type type = button == Qt::NoButton ? QEvent::MouseMove : QEvent::MouseButtonPress;
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// The middle of the name of the first line of `depth` in view, from the `skip`-th on.
QPoint NameOf(const TWyborForm& chart, int depth, int skip = 0) {
    for (const ChartHit& hit : chart.Layout().names)
        if (hit.node->depth == depth && skip-- == 0) return {hit.rect.x + hit.rect.w / 2, hit.rect.y + 10};
    return {60, 10};
}

// The exercise chart of the learner in both modes, and its printout as a page.
void SaveChart(AppContext& context, SharedForms& forms, QtPrinter& printer, const QString& out) {
    QtClock clock;
    context.services.clock = &clock;
    LoadResults(context);
    LoadRepetitions(context);
    context.learner.settings = ReadSettingsFile(SettingsPath(context)).value_or(Settings{});
    ExerciseWindows exercises(context, forms);
    TWyborForm chart(context, forms, exercises.Launcher());

    chart.Open(1);
    MoveMouse(*chart.pb, NameOf(chart, 1));
    Save(chart, out, "TWyborForm_results");
    emit chart.btn_rozwin->clicked();
    MoveMouse(*chart.pb, NameOf(chart, 3, 2));
    Save(chart, out, "TWyborForm_results_expanded");
    for (int i = 0; i < 6; ++i) emit chart.btn_dn->clicked();
    MoveMouse(*chart.pb, NameOf(chart, 2, 1));
    Save(chart, out, "TWyborForm_results_scrolled");

    HtmlDocument page;
    page.setBaseUrl(QUrl::fromLocalFile(QString::fromStdString(NativePath(context.startup.ProgramDir))));
    page.setHtml(DecodeHtml(ChartHtml(chart.Tree(), context.startup.ProgramDir)));
    page.setTextWidth(760);
    QImage printout(page.size().toSize(), QImage::Format_RGB32);
    printout.fill(Qt::white);
    QPainter painter(&printout);
    page.drawContents(&painter);
    painter.end();
    printout.save(out + "/TWyborForm_printout.png");
    std::cout << (out + "/TWyborForm_printout.png").toStdString() << "\n";
    // The same page printed as the chart prints it (to a PDF file here), moved beside the pictures.
    const PrintOutcome printed = printer.PrintHtml(ChartHtml(chart.Tree(), context.startup.ProgramDir),
                                                   context.startup.ProgramDir);
    if (printed.printed) {
        const QString pdf = out + "/TWyborForm_printout.pdf";
        QFile::remove(pdf);
        QFile::rename(QString::fromStdString(NativePath(printed.pdfPath)), pdf);
        std::cout << pdf.toStdString() << "\n";
    }
    chart.close();

    chart.Open(2);
    emit chart.btn_rozwin->clicked();
    const QPoint member = NameOf(chart, 3);
    MoveMouse(*chart.pb, member);
    MoveMouse(*chart.pb, member, Qt::RightButton);
    Save(chart, out, "TWyborForm_repetitions");
    chart.close();
    context.services.clock = nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    // Drawn as the program draws them: larger on a large screen (QUILLAN_SCALE=off: not).
    const std::unique_ptr<QuillanApplication> made = MakeScaledApplication<QuillanApplication>(argc, argv);
    QuillanApplication& app = *made;
    SetUpFonts();
    if (argc < 3) {
        std::cerr << "usage: window-gallery INSTALLATION_DIR OUT_DIR [--screen]\n";
        return 2;
    }
    // Absolute before the installation becomes the current directory.
    const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(out);
    bool screen = false;
    std::string learner;
    for (int i = 3; i < argc; ++i) {
        if (std::string(argv[i]) == "--screen") screen = true;
        if (std::string(argv[i]) == "--learner" && i + 1 < argc) learner = Utf8ToCp1250(argv[++i]);
    }

    AppContext context;
    QtMessages messages;
    context.services.messages = &messages;
    app.SetMessages(&messages);
    if (!ResolveInstallation(context.startup, WithTrailingSeparator(Utf8ToCp1250(argv[1])), messages)) return 1;
    ChooseInterfaceLanguage(context.startup);
    Problems problems;
    LoadCourseData(context.startup, context.course, problems, &messages);
    context.startup.ResultsDirectory =
        learner.empty() ? Utf8ToCp1250(QDir::tempPath().toStdString()) + "\\" : WithTrailingSeparator(learner);

    QtPrinter printer([&] { return context.startup.ResultsDirectory; }, QtPrinter::Target::Pdf);
    SharedForms forms(context, printer);
    try {
        forms.form5->LoadButtonPictures();
    } catch (const std::exception& error) {
        app.ReportError(error);
    }
    SaveStripSheet(forms.form5->MyImageList1, out);

    QWidget main;
    main.setWindowFlag(Qt::FramelessWindowHint);
    main.setGeometry(0, 0, 1024, 768);
    main.setAutoFillBackground(true);
    QPalette ground;
    ground.setColor(QPalette::Window, QColor(0x1d, 0x2b, 0x3a));
    main.setPalette(ground);
    main.show();
    forms.SetMainWindow(&main);

    TForm20& form20 = *forms.form20;
    form20.SetMessage(Text("Nagranie jest zbyt krótkie. Nagraj się jeszcze raz."));
    form20.show();
    Save(form20, out, "TForm20");
    form20.hide();
    // What a printout to a PDF file tells, with a learner's directory deep enough to wrap.
    const std::string pdf = "/home/uczen/Dokumenty/kurs_angielskiego/uczniowie/zofia_zak/wydruk_2024-05-06_12-30-45.pdf";
    form20.SetMessage(PrintedMessage(PrintOutcome{true, pdf, {}}, context.Window()));
    form20.show();
    Save(form20, out, "TForm20_printed_to_file");
    form20.hide();

    TForm6& form6 = *forms.form6;
    form6.ShowAnswer(Text("She have went to the meeting yesterday."));
    Save(form6, out, "TForm6");
    form6.hide();

    TForm25& form25 = *forms.form25;
    form25.l_Stat1->setText("7");
    form25.L_Stat2->setText("1");
    form25.L_Stat3->setText("88");
    form25.L_stat4->setText("8");
    form25.show();
    Save(form25, out, "TForm25");
    form25.hide();

    TInformacjaForm& panel = *forms.informacja;
    panel.PanelKey = Text(
        "HH_W tym oknie ćwiczysz <b>słownictwo</b> biznesowe.@Poziomy: [1] [2] [3] [4]@"
        "Rodzaje ćwiczeń: [TYP_1] zdania, [typ_2] rozumienie, [TYP_3] teksty, [TYP_4] nagrania, [TYP_5] dialogi.@"
        "Zrobione: [YES] nie zrobione: [no]@Statystyka: [STAT_OK] dobre, [STAT_NO] złe, [STAT_PROC] wynik, "
        "[STAT_ABC] słowa, [stat_strz] dalej.@<i>Wskazówka:</i> kliknij (<b>OK</b>), aby zamknąć. "
        "Ten tekst jest dłuższy niż okno, więc przewiń go strzałką w dół, a potem w górę.@Linia 1@Linia 2@Linia 3@Linia 4");
    panel.show();
    Save(panel, out, "TInformacjaForm_help");
    panel.hide();
    panel.PanelKey = Text("Umowa o pracę (<b>employment contract</b>) to podstawowy dokument zatrudnienia.");
    panel.show();
    Save(panel, out, "TInformacjaForm_translation");
    panel.hide();

    TPanel1 gauge;
    gauge.SetWynik(62);
    gauge.show();
    Save(gauge, out, "TPanel1");
    gauge.hide();

    TMultimediaForm& media = *forms.multimedia;
    const StartupState& s = context.startup;
    const QStringList sounds = QDir(QString::fromStdString(NativePath(s.MediaDir + "Teksty_wav"))).entryList({"*.wav"});
    if (!sounds.isEmpty()) {
        const std::string sound = s.MediaDir + "Teksty_wav\\" + FromQt(sounds.first());
        media.ShowMedia(2, sound);
        Save(media, out, "TMultimediaForm_sound");
        media.SetBookmarks(Bookmarks{{0, 1500, 3000, 4500}});
        media.ShowMedia(2, sound);
        emit media.btn_play->clicked();
        Save(media, out, "TMultimediaForm_sound_bookmarks");
        media.hide();
        media.SetBookmarks({});
    }
    const QStringList videos = QDir(QString::fromStdString(NativePath(s.ProgramDir + "Teksty_mpg_r"))).entryList({"*.mpg"});
    if (!videos.isEmpty()) {
        media.ShowMedia(1, s.ProgramDir + "Teksty_mpg_r\\" + FromQt(videos.first()));
        Settle(1500);
        Save(media, out, "TMultimediaForm_video");
        if (!screen) media.hide();
    }

    THelpForm& help = *forms.help;
    help.ShowPage(s.ProgramDir + "Htm_r\\h_comp.html#dialogi");
    Save(help, out, "THelpForm_anchor");
    help.ShowPage(s.ProgramDir + "Htm_r\\h_index.html");
    Save(help, out, "THelpForm_index");
    if (!screen) help.hide();

    const QStringList pages = QDir(QString::fromStdString(NativePath(s.ProgramDir + "Teksty_htm_r"))).entryList({"*.htm"});
    if (!pages.isEmpty()) {
        THtml_SmallForm& small = *forms.htmlSmall;
        small.SetBackground(s.ProgramDir + s.LangDir + "gfx_r\\reading.bmp");
        small.Load(s.ProgramDir + "Teksty_htm_r\\" + FromQt(pages.first()));
        small.show();
        Save(small, out, "THtml_SmallForm");
        small.hide();
    }

    SaveMenuWindows(context, forms, out);
    SaveClassroomWindows(context, forms, out);
    if (!learner.empty()) SaveChart(context, forms, printer, out);

    if (screen) {
        form6.ShowAnswer(Text("She have went to the meeting yesterday."));
        Settle(1000);
        if (QScreen* primary = QGuiApplication::primaryScreen()) {
            primary->grabWindow(0).save(out + "/screen.png");
            std::cout << (out + "/screen.png").toStdString() << "\n";
        }
    }
    return 0;
}
