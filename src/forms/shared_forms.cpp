#include "forms/shared_forms.h"

#include <QPointer>

#include "audio/multimedia_form.h"
#include "audio/resource_form.h"
#include "forms/answer_form.h"
#include "controls/message_form.h"
#include "forms/summary_form.h"
#include "guidance/information_form.h"
#include "help/help_form.h"
#include "help/html_small_form.h"

namespace quillan {

SharedForms::SharedForms(WindowContext context, Printer& printer) : context_(context) {
    form5 = std::make_unique<TForm5>(context);
    TMyImageList& images = form5->MyImageList1;
    form20 = std::make_unique<TForm20>(context, images);
    informacja = std::make_unique<TInformacjaForm>(context, images);
    htmlSmall = std::make_unique<THtml_SmallForm>(context, images, printer, *form20);
    multimedia = std::make_unique<TMultimediaForm>(context, images, *htmlSmall);
    help = std::make_unique<THelpForm>(context, images, printer, *form20);
    // While help shows, the media window is put away; it comes back when help goes.
    QObject::connect(help.get(), &THelpForm::Showing, multimedia.get(), [media = multimedia.get()] {
        if (media->isVisible()) media->hide();
    });
    QObject::connect(help.get(), &THelpForm::Hidden, multimedia.get(), [media = multimedia.get()] {
        if (media->IsMarkedOpen()) media->Reshow();
    });
    // The media window plays on a player of its own; stopping the sound stops it as well.
    form5->Shared().AddOtherPlayer([media = QPointer<TMultimediaForm>(multimedia.get())] {
        if (media) media->StopPlayback();
    });
    form6 = std::make_unique<TForm6>(context, images, help.get());
    form25 = std::make_unique<TForm25>(context, images, informacja.get(), help.get());
    context.services.soundPlayer = &form5->Player();
    context.services.printer = &printer;
}

SharedForms::~SharedForms() {
    context_.services.soundPlayer = nullptr;
    context_.services.printer = nullptr;
}

void SharedForms::SetMainWindow(QWidget* mainWindow) { multimedia->SetMainWindow(mainWindow); }

}  // namespace quillan
