#include <QCoreApplication>
#include <iostream>
#include <optional>

#include "app/main_form.h"
#include "app/program.h"
#include "app/quillan_application.h"
#include "platform/messages.h"
#include "platform/qt/font_warm_up.h"
#include "platform/qt/screen_scale.h"

int main(int argc, char** argv) {
    // On a large screen every window is drawn larger.
    const std::unique_ptr<quillan::QuillanApplication> made =
        quillan::MakeScaledApplication<quillan::QuillanApplication>(argc, argv);
    quillan::QuillanApplication& app = *made;
    app.setApplicationName("Quillan - Business English");
    quillan::SetUpFonts();
    const quillan::FontWarmUp fonts;

    // An optional first argument names the installation directory; without it the program
    // runs from the installation it was installed into.
    const QStringList args = QCoreApplication::arguments();
    const std::string directory =
        args.size() > 1 ? args.at(1).toStdString() : QCoreApplication::applicationDirPath().toStdString();

    // QUILLAN_MESSAGES=stderr: the program's messages go to standard error instead of message
    // boxes, for scripts and tests that run it with no one to answer.
    std::optional<quillan::StreamMessages> toStderr;
    if (qEnvironmentVariable("QUILLAN_MESSAGES") == "stderr") toStderr.emplace(std::cerr, "quillan: ");
    quillan::Program program(app, toStderr ? &*toStderr : nullptr);
    if (!program.StartOn(directory)) return program.ExitCode();
    // Other windows (help, the chart) may still be open when the learner confirms leaving.
    QObject::connect(program.MainForm(), &quillan::TMainForm::ProgramEnding, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
