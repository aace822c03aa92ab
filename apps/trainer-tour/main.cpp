// Works through the vocabulary trainer on an installation as a learner would, stage by stage,
// and saves a picture of each screen worth looking at: questions, verdicts, the long-prompt
// frame, the word list with its hover translation, example and take. The results go to a
// learner directory inside OUT_DIR, to be read with quillan-results.
//
//   trainer-tour INSTALLATION_DIR OUT_DIR [WORD_LIST]
//
// Offscreen it saves pictures of the window; under an X server (xvfb-run) of the screen.
// Run it with a sound server (scripts/test's private one will do) to hear and record for
// real; without one, sounds are reported as missing devices and takes are not made.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QEventLoop>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <iostream>

#include "session/app_context.h"
#include "app/installation.h"
#include "app/program.h"
#include "app/quillan_application.h"
#include "forms/shared_forms.h"
#include "audio/recorder.h"
#include "audio/resource_form.h"
#include "controls/picture_controls.h"
#include "controls/transparent_button.h"
#include "course/load_course.h"
#include "exercises/vocab/trainer_boxes.h"
#include "exercises/vocab/trainer_window.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "platform/qt/qt_audio_capture.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_text.h"
#include "session/learner_session.h"

namespace {

using namespace quillan;

// Messages go to the standard output, so that the tour never waits for a click.
class PrintedMessages : public Messages {
public:
    void Show(const std::string& text) override { Print("message", text); }
    void Warn(const std::string& text) override { Print("warning", text); }
    bool Ask(const std::string& text) override {
        Print("question", text);
        return false;
    }
    void Error(const std::string& text) override { Print("error", text); }

private:
    static void Print(const char* what, const std::string& text) { std::cout << what << ": " << Cp1250ToUtf8(text) << "\n"; }
};

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// A picture of the window; on a real (or virtual) X server, of the whole screen as it shows.
void Save(QWidget& window, const QString& dir, const QString& name) {
    Settle(200);
    const QString path = dir + "/" + name + ".png";
    QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() == "xcb" && screen)
        screen->grabWindow(0).save(path);
    else
        window.grab().save(path);
    std::cout << path.toStdString() << "\n";
}

void Mouse(QWidget* widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Answers the question on screen: right, or with the first wrong option or a wrong word.
void Answer(TForm4& form, bool right) {
    VocabTrainer& trainer = form.Trainer();
    const TrainerQuestion& q = trainer.Question();
    if (form.E_Wpisana->isVisible()) {
        form.E_Wpisana->setText(right ? ToQt(q.ExpectedAnswer) : QString("bussines"));
        emit form.B_OK->clicked();
        return;
    }
    int option = q.Choice.CorrectOption;
    if (!right)
        for (int n = 1; n <= 4; ++n)
            if (n != q.Choice.CorrectOption && q.Choice.Used[static_cast<size_t>(n - 1)]) option = n;
    emit form.L_Odp[static_cast<size_t>(option - 1)]->clicked();
}

// Answers every item of the stage right (after the one wrong answer given before).
void FinishStage(TForm4& form) {
    for (int guard = 0; guard < 400 && !form.b_repeat->isVisible(); ++guard) {
        if (form.Trainer().Question().Answered)
            emit form.B_OK->clicked();
        else
            Answer(form, true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    QuillanApplication app(argc, argv);
    SetUpFonts();
    if (argc < 3) {
        std::cerr << "usage: trainer-tour INSTALLATION_DIR OUT_DIR [WORD_LIST]\n";
        return 2;
    }
    // Absolute before the installation becomes the current directory.
    const QString out = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    QDir().mkpath(out + "/learner");

    AppContext context;
    PrintedMessages messages;
    SystemRandom random;
    QtClock clock;
    QtAudioCapture capture;
    SharedRecorder recorder(capture, context);
    context.services.messages = &messages;
    context.services.random = &random;
    context.services.clock = &clock;
    context.services.recorder = &recorder;
    app.SetMessages(&messages);
    if (!ResolveInstallation(context.startup, WithTrailingSeparator(Utf8ToCp1250(argv[1])), messages)) return 1;
    ChooseInterfaceLanguage(context.startup);
    Problems problems;
    LoadCourseData(context.startup, context.course, problems, &messages);
    QtPrinter printer([&] { return context.startup.ResultsDirectory; }, QtPrinter::Target::Pdf);
    SharedForms forms(context, printer);
    forms.form5->LoadButtonPictures();

    if (!OpenLearnerFiles(context, WithTrailingSeparator(Utf8ToCp1250((out + "/learner").toStdString())), 0)) return 1;
    std::string id, name = argc > 3 ? argv[3] : "";
    for (const CW_Info& record : context.learner.results.records)
        if (record.Id.rfind("slo_", 0) == 0 && (name.empty() || record.Title.substr(1) == name)) {
            id = record.Id;
            name = record.Title.substr(1);
            break;
        }
    if (id.empty()) {
        std::cerr << "no vocabulary exercise in the course\n";
        return 1;
    }
    std::cout << "exercise " << id << " on cw_r\\" << name << ".bc4\n";

    TForm4 form(context, forms);
    if (!form.OpenExercise(id, name, 2)) return 1;
    Save(form, out, "stage2_question");
    Answer(form, false);
    Save(form, out, "stage2_verdict_wrong");
    FinishStage(form);
    Save(form, out, "stage2_done");

    emit form.zak[2]->clicked();
    Save(form, out, "stage3_question");
    Answer(form, true);
    Save(form, out, "stage3_verdict_right");
    FinishStage(form);

    emit form.zak[3]->clicked();
    form.E_Wpisana->setText("bussines");
    Save(form, out, "stage4_question");
    Answer(form, false);
    Save(form, out, "stage4_verdict_wrong");
    FinishStage(form);

    emit form.zak[4]->clicked();
    Save(form, out, "stage5_question");
    form.Trainer().ShowWord(Utf8ToCp1250("Długie polecenie: <przedstawić> kogoś komuś, umówić spotkanie, "
                                         "@negocjować umowę, podpisać kontrakt."),
                            true);
    form.dxramka->setVisible(true);
    form.dxramka->SetText(form.Trainer().Screen().frameText, true);
    form.L_Slowko->hide();
    Save(form, out, "stage5_long_prompt");
    FinishStage(form);

    emit form.zak[0]->clicked();
    Settle(200);
    TWordListBox* list = form.dxramka_mat;
    const WordListPage& page = form.Trainer().Page();
    if (page.Rows().size() > 2) {
        const int y = page.Rows()[2].top + 5;
        Mouse(list, QEvent::MouseMove, QPoint(130, y));
        Mouse(list, QEvent::MouseButtonPress, QPoint(130, y));
        Mouse(list, QEvent::MouseButtonRelease, QPoint(130, y));
        Mouse(list, QEvent::MouseMove, QPoint(130, y));
        Save(form, out, "stage1_list_example");
        // A take of a second on row 2.
        const int micY = page.Rows()[1].top + 5;
        Mouse(list, QEvent::MouseButtonPress, QPoint(8, micY));
        Settle(1000);
        Save(form, out, "stage1_recording");
        Mouse(list, QEvent::MouseButtonRelease, QPoint(8, micY));
        Save(form, out, "stage1_take");
    }
    form.close();
    std::cout << "results in " << (out + "/learner").toStdString() << "\n";
    return 0;
}
