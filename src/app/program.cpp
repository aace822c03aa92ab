#include "app/program.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>

#include "app/backdrop_form.h"
#include "app/installation.h"
#include "app/main_form.h"
#include "app/quillan_application.h"
#include "course/data_errors.h"
#include "app/shared_forms.h"
#include "audio/resource_form.h"
#include "course/load_course.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"

namespace quillan {

void SetUpFonts() {
    QFont::insertSubstitution("Verdana", "DejaVu Sans");
    QFont::insertSubstitution("Arial", "Liberation Sans");
}

Program::Program(QuillanApplication& app, Messages* messages)
    : app_(app),
      messages_(messages ? *messages : boxes_),
      printer_([this] { return context_.startup.ResultsDirectory; }) {
    context_.services.messages = &messages_;
    context_.services.clock = &clock_;
    context_.services.random = &random_;
    context_.services.recorder = &recorder_;
    context_.services.processLauncher = &launcher_;
    app_.SetMessages(&messages_);
}

Program::~Program() {
    forms_.reset();
    app_.SetMessages(nullptr);
}

std::string Program::ProgramDirFor(const std::string& argument, const std::string& executableDir) {
    return WithTrailingSeparator(Utf8ToCp1250(argument.empty() ? executableDir : argument));
}

bool Program::Start(const std::string& programDir) {
    StartupState& state = context_.startup;
    state.ExecutableDir = WithTrailingSeparator(FromQt(QCoreApplication::applicationDirPath()));
    try {
        if (!ResolveInstallation(state, programDir, messages_)) return false;
    } catch (const ConversionError& error) {
        // A bad number in "prof_r.txt" is reported; start-up goes on with what was read.
        app_.ReportError(error);
    }
    if (!state.AppTitle.empty()) boxes_.SetTitle(state.AppTitle);
    ChooseInterfaceLanguage(state);

    forms_ = std::make_unique<SharedForms>(context_, printer_);
    try {
        // Surplus lines and similar reports are for the course check tool; the program goes on.
        Problems problems;
        LoadCourseData(state, context_.course, problems, &messages_);
    } catch (const CourseStop& stop) {
        messages_.Show(stop.what());
        return false;
    } catch (const std::exception& error) {
        app_.ReportError(error);
        return false;
    }
    try {
        // A missing button picture is reported; the program goes on with the pictures it has.
        forms_->form5->LoadButtonPictures();
    } catch (const std::exception& error) {
        app_.ReportError(error);
    }

    const QSize screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size() : QSize();
    if (!ScreenLargeEnough(screen.width(), screen.height())) {
        messages_.Show(ScreenTooSmallMessage());
        return false;
    }

    backdrop_ = std::make_unique<TPodkladForm>();
    backdrop_->showMaximized();
    state.ClassroomMode = ReadClassroomConfig(state);

    mainForm_ = std::make_unique<TMainForm>(context_);
    forms_->SetMainWindow(mainForm_.get());
    mainForm_->show();
    mainForm_->activateWindow();
    return true;
}

}  // namespace quillan
