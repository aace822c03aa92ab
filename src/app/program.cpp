#include "app/program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/backdrop_form.h"
#include "app/classroom_forms.h"
#include "app/installation.h"
#include "app/learner_data.h"
#include "app/local_learners.h"
#include "app/local_user_form.h"
#include "app/new_learner_form.h"
#include "app/settings_form.h"
#include "app/main_form.h"
#include "chart/chart_form.h"
#include "exercises/exercise_windows.h"
#include "app/quillan_application.h"
#include "course/data_errors.h"
#include "forms/shared_forms.h"
#include "audio/resource_form.h"
#include "classroom/qt_classroom_link.h"
#include "course/load_course.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

// How long after the first window the sound output connects to the sound server.
constexpr int kPrepareSoundAfterMs = 300;

}  // namespace

void SetUpFonts() {
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

Program::Program(QuillanApplication& app, Messages* messages, ClassroomLink* classroomLink)
    : app_(app),
      messages_(messages ? *messages : boxes_),
      printer_([this] { return context_.startup.ResultsDirectory; }),
      classroomLink_(classroomLink) {
    if (!classroomLink_) {
        ownLink_ = std::make_unique<classroom::QtClassroomLink>();
        classroomLink_ = ownLink_.get();
    }
    context_.services.classroomLink = classroomLink_;
    context_.services.messages = &messages_;
    context_.services.clock = &clock_;
    context_.services.random = &random_;
    context_.services.recorder = &recorder_;
    context_.services.processLauncher = &launcher_;
    app_.SetMessages(&messages_);
}

Program::~Program() {
    // The windows go before the shared windows they use.
    netLogin_.reset();
    netKoniec_.reset();
    zmienPass_.reset();
    form9_.reset();
    form10_.reset();
    mainForm_.reset();
    backdrop_.reset();
    forms_.reset();
    app_.SetMessages(nullptr);
}

std::string Program::ProgramDirFor(const std::string& argument, const std::string& executableDir) {
    return WithTrailingSeparator(Utf8ToCp1250(argument.empty() ? executableDir : argument));
}

bool Program::StartOn(const std::string& utf8Directory) {
    const std::string directory = Utf8ToCp1250(utf8Directory);
    if (Cp1250ToUtf8(directory) != utf8Directory) {
        messages_.Show(UnusableDirectoryNameMessage(directory));
        exitCode_ = 1;
        return false;
    }
    return Start(WithTrailingSeparator(directory));
}

bool Program::Start(const std::string& programDir) {
    // The one handler of start-up: whatever stops it (an installation file that cannot be read,
    // course data the program cannot run with) is told, and the program ends with exit code 1.
    try {
        return StartUp(programDir);
    } catch (const CourseStop& stop) {
        messages_.Show(stop.what());
    } catch (const std::exception& error) {
        app_.ReportError(error);
    } catch (...) {
        app_.ReportError(std::runtime_error("Unknown error"));
    }
    exitCode_ = 1;
    return false;
}

bool Program::StartUp(const std::string& programDir) {
    StartupState& state = context_.startup;
    state.ExecutableDir = WithTrailingSeparator(FromQt(QCoreApplication::applicationDirPath()));
    try {
        if (!ResolveInstallation(state, programDir, messages_)) return false;
    } catch (const ConversionError& error) {
        // A bad number in "prof_r.txt" is reported; start-up goes on with what was read.
        app_.ReportError(error);
    }
    if (!state.AppTitle.empty()) boxes_.SetTitle(state.AppTitle);
    // An installation the learner may not write to keeps his data in his own data directory.
    if (!ChooseLearnerDataDir(state, messages_)) return false;
    ChooseInterfaceLanguage(state);

    // Surplus lines and similar reports are for the course check tool; the program goes on.
    Problems problems;
    LoadCourseData(state, context_.course, problems, &messages_);
    forms_ = std::make_unique<SharedForms>(context_, printer_);
    LoadLanguagePictures();

    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    if (!ScreenLargeEnough(screen.width(), screen.height())) {
        messages_.Show(ScreenTooSmallMessage());
        return false;
    }
    CreateWindows();

    backdrop_->Cover();
    // The sound output connects once the first window is up, while the learner reads it, so that
    // neither that window nor the main menu's opening sound waits for it.
    QTimer::singleShot(kPrepareSoundAfterMs, forms_->form5.get(), [form5 = forms_->form5.get()] { form5->PrepareSound(); });
    if (!SignIn()) {
        exitCode_ = 0;
        return false;
    }
    // The learner's settings may have brought another interface language.
    if (state.LangIndex != picturesLanguage_) LoadLanguagePictures();
    mainForm_->show();
    mainForm_->raise();
    mainForm_->activateWindow();
    return true;
}

bool Program::SignIn() {
    StartupState& state = context_.startup;
    state.ClassroomMode = ReadClassroomConfig(state);
    if (state.ClassroomMode == 1) {
        switch (netLogin_->Open()) {
        case TNetLoginForm::Result::LoggedIn:
            return true;
        case TNetLoginForm::Result::Quit:
            return false;
        case TNetLoginForm::Result::LocalWork:
            state.ClassroomMode = -1;
            break;
        }
    }
    return form9_->SignInModally();
}

bool Program::LeaveClassroomWork() {
    switch (netKoniec_->Open()) {
    case 1:
        return true;
    case 2:
        break;
    default:
        return false;
    }
    // Logged out: nothing goes to the server; the next learner logs in, or works locally.
    CloseWorkWindows();
    switch (netLogin_->Open()) {
    case TNetLoginForm::Result::LoggedIn:
        break;
    case TNetLoginForm::Result::Quit:
        return true;
    case TNetLoginForm::Result::LocalWork:
        context_.startup.ClassroomMode = -1;
        if (!form9_->SignInModally()) return true;
        break;
    }
    Refresh();
    return false;
}

void Program::CloseWorkWindows() {
    for (const QPointer<QWidget> window : QApplication::topLevelWidgets())
        if (window && window->isVisible() && window != mainForm_.get() && window != backdrop_.get()) window->close();
}

void Program::Refresh() {
    if (context_.startup.LangIndex != picturesLanguage_) LoadLanguagePictures();
    mainForm_->UpdateRepetitionsButton();
    mainForm_->update();
}

void Program::CreateWindows() {
    // A list of learners that cannot be read ends start-up: a learner created now would rewrite
    // it without the others.
    learners_ = std::make_unique<LocalLearners>(context_);
    mainForm_ = std::make_unique<TMainForm>(context_, *forms_);
    forms_->SetMainWindow(mainForm_.get());
    form10_ = std::make_unique<TForm10>(context_, *forms_, *learners_);
    form9_ = std::make_unique<TForm9>(context_, *forms_, *learners_, *form10_);
    backdrop_ = std::make_unique<TPodkladForm>();
    zmienPass_ = std::make_unique<TZmienPassForm>(context_, *forms_);
    netLogin_ = std::make_unique<TNetLoginForm>(context_, *forms_, *zmienPass_);
    netKoniec_ = std::make_unique<TNetKoniecForm>(context_, *forms_);
    mainForm_->ClassroomLeaving = [this] { return LeaveClassroomWork(); };

    QObject::connect(form10_.get(), &TForm10::InterfaceLanguageChanged, [this] { LoadLanguagePictures(); });
    QObject::connect(mainForm_.get(), &TMainForm::InterfaceLanguageChanged, [this] { LoadLanguagePictures(); });
    // Leaving: the learner's open work is recorded, and the desktop comes back at once, while
    // the program ends.
    QObject::connect(mainForm_.get(), &TMainForm::ProgramEnding, [this] { CloseWorkWindows(); });
    QObject::connect(mainForm_.get(), &TMainForm::ProgramEnding, backdrop_.get(), &QWidget::hide);
    // The exercise chart: opened by the menu's exercises and repetitions buttons; it starts the
    // exercise windows and, after deleting every repetition, hides the menu's repetitions button.
    exercises_ = std::make_unique<ExerciseWindows>(context_, *forms_);
    chart_ = std::make_unique<TWyborForm>(context_, *forms_, exercises_->Launcher());
    QObject::connect(mainForm_.get(), &TMainForm::ChartRequested, chart_.get(), qOverload<int, bool>(&TWyborForm::Open));
    QObject::connect(chart_.get(), &TWyborForm::RepetitionsCleared, mainForm_.get(), &TMainForm::UpdateRepetitionsButton);
}

void Program::LoadLanguagePictures() {
    try {
        // A missing button picture is reported; the program goes on with the pictures it has.
        forms_->form5->LoadButtonPictures();
    } catch (const std::exception& error) {
        app_.ReportError(error);
    }
    if (mainForm_ && mainForm_->isVisible()) mainForm_->LoadLanguagePictures();
    picturesLanguage_ = context_.startup.LangIndex;
}

}  // namespace quillan
