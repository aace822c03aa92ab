// The course's companion dictionary: English-Polish words of every word list and the glossary
// of the installation it starts in. One copy runs at a time: a second start brings the first
// copy's window to the front and ends.

#include <QApplication>

#include "app/installation.h"
#include "app/program.h"
#include "dictionary_window.h"
#include "dictionary/dictionary_content.h"
#include "help/dictionary_launcher.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/window_raiser.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    quillan::SetUpFonts();

    const QStringList args = QCoreApplication::arguments();
    const std::string programDir = quillan::Program::ProgramDirFor(
        args.size() > 1 ? args.at(1).toStdString() : std::string(), QCoreApplication::applicationDirPath().toStdString());
    // The dictionary reports nothing itself: without a readable installation it is just empty.
    quillan::SilentMessages silent;
    quillan::StartupState state;
    try {
        quillan::ResolveInstallation(state, programDir, silent);
    } catch (const std::exception&) {
    }
    const std::string title = quillan::DictionaryWindowTitle(state);

    if (quillan::RequestRaise(title)) return 0;  // a copy runs already and has come to the front

    const quillan::DictionaryIndex index = quillan::BuildDictionary(state);
    quillan::DictionaryWindow window(index, quillan::ToQt(title));
    quillan::RaiseServer server(&window, title);
    window.show();
    return app.exec();
}
