#include "help/page_printing.h"

#include "context/window_context.h"
#include "controls/message_form.h"
#include "help/html_view.h"
#include "platform/printer.h"
#include "platform/qt/qt_text.h"
#include "text/numbered_texts.h"

namespace quillan {

void PrintShownPage(const HtmlView& view, WindowContext context, Printer& printer, TForm20& messageWindow) {
    // The document as shown, in UTF-8 (its header says so), with pictures found beside the page.
    const std::string html = view.document()->toHtml().toStdString();
    const std::string directory = FromQt(view.source().adjusted(QUrl::RemoveFilename).toLocalFile());
    PrintPageText(html, directory, context, printer, messageWindow);
}

void PrintPageText(const std::string& html, const std::string& baseDirectory, WindowContext context, Printer& printer,
                   TForm20& messageWindow) {
    const PrintOutcome outcome = printer.PrintHtml(html, baseDirectory);
    if (!outcome.printed) {
        context.services.messages->Error(outcome.error);
        return;
    }
    messageWindow.ShowMessage(PrintedMessage(outcome, context));
}

std::string PrintedMessage(const PrintOutcome& outcome, WindowContext context) {
    if (outcome.pdfPath.empty()) return UiText(context.interfaceTexts, 128);
    const char* saved = context.startup.LangIndex == 1 ? "The printout has been saved to the file:" : "Wydruk zapisano w pliku:";
    return std::string(saved) + "\n" + outcome.pdfPath;
}

}  // namespace quillan
