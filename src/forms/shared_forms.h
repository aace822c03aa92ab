#pragma once

#include <memory>

#include "context/window_context.h"

class QWidget;

namespace quillan {

class Printer;
class TForm5;
class TForm20;
class TForm6;
class TForm25;
class TInformacjaForm;
class THtml_SmallForm;
class TMultimediaForm;
class THelpForm;

// The windows every exercise window uses, created once for the whole run and wired to each
// other: the hidden resource window (button pictures, shared sound player, marks), the message,
// answer and summary windows, the information panel, the media window and the two help windows.
// Making them puts the shared sound player and `printer` into the context's services.
class SharedForms {
public:
    SharedForms(WindowContext context, Printer& printer);
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

private:
    WindowContext context_;
};

}  // namespace quillan
