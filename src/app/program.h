#pragma once

#include <memory>
#include <string>

#include "session/app_context.h"
#include "audio/recorder.h"
#include "platform/qt/qt_audio_capture.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_messages.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_process_launcher.h"

namespace quillan {

class QuillanApplication;
class LocalLearners;
class TMainForm;
class TPodkladForm;
class TForm9;
class TForm10;
class SharedForms;
class ExerciseWindows;
class TWyborForm;
class TNetLoginForm;
class TNetKoniecForm;
class TZmienPassForm;

// The running program: its context, services and windows, and the start-up sequence that
// brings them up.
class Program {
public:
    // `messages` replaces the message boxes, `classroomLink` the connection to the classroom
    // server on its port 9099 (tests pass fakes, or a link to a server of their own).
    explicit Program(QuillanApplication& app, Messages* messages = nullptr, ClassroomLink* classroomLink = nullptr);
    ~Program();

    // Start-up from the installation directory through the sign-in to the shown main window.
    // Returns false when the program must end: a problem (its message has been shown; nothing
    // thrown escapes) or the learner left the sign-in; ExitCode() tells which.
    bool Start(const std::string& programDir);
    // The same from the directory's name as the system gives it (UTF-8). A name that
    // Windows-1250 cannot hold (the program keeps every path so) is told and ends start-up.
    bool StartOn(const std::string& utf8Directory);
    // 0 when the learner chose to leave, 1 after a problem.
    int ExitCode() const { return exitCode_; }

    AppContext& Context() { return context_; }
    TMainForm* MainForm() { return mainForm_.get(); }
    TWyborForm* Chart() { return chart_.get(); }
    // The local user and new learner windows; null before Start creates them.
    TForm9* LocalUserForm() { return form9_.get(); }
    TForm10* NewLearnerForm() { return form10_.get(); }
    // The classroom windows; null before Start creates them.
    TNetLoginForm* ClassroomLoginForm() { return netLogin_.get(); }
    TNetKoniecForm* ClassroomEndForm() { return netKoniec_.get(); }
    TZmienPassForm* PasswordForm() { return zmienPass_.get(); }
    TPodkladForm* Backdrop() { return backdrop_.get(); }
    // The windows shared by every exercise window; null before Start.
    SharedForms* Forms() { return forms_.get(); }

    // The installation directory: `argument` when given (a directory), otherwise the directory
    // of the program file. Windows-1250, ending in a separator.
    static std::string ProgramDirFor(const std::string& argument, const std::string& executableDir);

private:
    bool StartUp(const std::string& programDir);
    void CreateWindows();
    // The pictures of the interface language: the button pictures and the main menu's.
    void LoadLanguagePictures();
    // The sign-in of start-up: the classroom login where "dd.t" asks for it, local work
    // otherwise or when the learner chose it. False when the learner left it.
    bool SignIn();
    // Closing the main window in classroom work: stay, end, or log out and let another learner
    // log in (or work locally). True when the program is to end.
    bool LeaveClassroomWork();
    // The chart and every exercise window still open are closed as the learner would close
    // them, so that what he did there is recorded for him before another learner signs in or
    // the program ends.
    void CloseWorkWindows();
    // After another sign-in: the main window shows the new learner's language and buttons.
    void Refresh();

    QuillanApplication& app_;
    int exitCode_ = 1;
    int picturesLanguage_ = -1;  // the interface language whose pictures are loaded
    QtMessages boxes_;
    Messages& messages_;
    QtClock clock_;
    SystemRandom random_;
    AppContext context_;
    QtPrinter printer_;
    QtAudioCapture capture_;
    SharedRecorder recorder_{capture_, context_.Window()};
    QtProcessLauncher launcher_;
    std::unique_ptr<SharedForms> forms_;
    std::unique_ptr<LocalLearners> learners_;
    std::unique_ptr<TMainForm> mainForm_;
    std::unique_ptr<TForm10> form10_;
    std::unique_ptr<TForm9> form9_;
    std::unique_ptr<TPodkladForm> backdrop_;
    std::unique_ptr<ExerciseWindows> exercises_;
    std::unique_ptr<TWyborForm> chart_;
    ClassroomLink* classroomLink_;
    std::unique_ptr<ClassroomLink> ownLink_;
    std::unique_ptr<TZmienPassForm> zmienPass_;
    std::unique_ptr<TNetLoginForm> netLogin_;
    std::unique_ptr<TNetKoniecForm> netKoniec_;
};

// Fonts that the course draws with, mapped to the families installed with the program.
void SetUpFonts();

}  // namespace quillan
