#pragma once

#include <memory>
#include <string>

#include "app/context.h"
#include "audio/recorder.h"
#include "platform/qt/qt_audio_capture.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_process_launcher.h"

namespace quillan {

class QuillanApplication;
class TMainForm;
class TPodkladForm;
class SharedForms;

// The running program: its context, services and windows, and the start-up sequence that
// brings them up.
class Program {
public:
    // `messages` replaces the message boxes (tests pass a fake).
    explicit Program(QuillanApplication& app, Messages* messages = nullptr);
    ~Program();

    // Start-up from the installation directory to the shown main window. Returns false when
    // the program must end (its message has been shown).
    bool Start(const std::string& programDir);

    AppContext& Context() { return context_; }
    TMainForm* MainForm() { return mainForm_.get(); }
    // The windows shared by every exercise window; null before Start.
    SharedForms* Forms() { return forms_.get(); }

    // The installation directory: `argument` when given (a directory), otherwise the directory
    // of the program file. Windows-1250, ending in a separator.
    static std::string ProgramDirFor(const std::string& argument, const std::string& executableDir);

private:
    QuillanApplication& app_;
    QtMessages boxes_;
    Messages& messages_;
    QtClock clock_;
    SystemRandom random_;
    AppContext context_;
    QtPrinter printer_;
    QtAudioCapture capture_;
    SharedRecorder recorder_{capture_, context_};
    QtProcessLauncher launcher_;
    std::unique_ptr<SharedForms> forms_;
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TPodkladForm> backdrop_;
};

// Fonts that the course draws with, mapped to the families installed with the program.
void SetUpFonts();

}  // namespace quillan
