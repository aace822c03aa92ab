#include "platform/qt/qt_process_launcher.h"

#include <QProcess>
#include <QStringList>

#include "platform/paths.h"
#include "platform/processes.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_raiser.h"

namespace quillan {

bool QtProcessLauncher::IsRunning(const std::string& name) { return ProcessRunning(name); }

bool QtProcessLauncher::Start(const std::string& windowsPath, const std::vector<std::string>& arguments) {
    QStringList args;
    for (const std::string& argument : arguments) args << ToQt(argument);
    return QProcess::startDetached(QString::fromStdString(NativePath(windowsPath)), args);
}

bool QtProcessLauncher::Raise(const std::string& windowTitle) { return RequestRaise(windowTitle); }

}  // namespace quillan
