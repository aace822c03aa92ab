#pragma once

#include <memory>

class QWidget;

namespace quillan {

struct AppContext;
class Printer;
class TForm5;
class TForm20;
class TForm6;
class TForm25;
class TInformacjaForm;
class THtml_SmallForm;
class TMultimediaForm;
class THelpForm;
class Tkas_powt_Form;

// The windows every exercise window uses, created once for the whole run and wired to each
// other: the hidden resource window (button pictures, shared sound player, marks), the message,
// answer and summary windows, the information panel, the media window, the two help windows and the
// question asked before all repetitions are deleted.
// Making them puts the shared sound player and `printer` into the context's services.
class SharedForms {
public:
    SharedForms(AppContext& context, Printer& printer);
    ~SharedForms();

    // The window the media window places itself against.
    void SetMainWindow(QWidget* mainWindow);

    std::unique_ptr<TForm5> form5;
    std::unique_ptr<TForm20> form20;
    std::unique_ptr<TInformacjaForm> informacja;
    std::unique_ptr<THtml_SmallForm> htmlSmall;
    std::unique_ptr<TMultimediaForm> multimedia;
    std::unique_ptr<THelpForm> help;
    std::unique_ptr<TForm6> form6;
    std::unique_ptr<TForm25> form25;
    std::unique_ptr<Tkas_powt_Form> kasPowt;  // asks before all repetitions are deleted

private:
    AppContext& context_;
};

}  // namespace quillan
