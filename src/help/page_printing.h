#pragma once

#include <string>
#include "context/window_context.h"

namespace quillan {

class Printer;
class TForm20;
class HtmlView;

// Prints the page a viewer shows, then tells the learner in the message window: UiText(128),
// and the path of the PDF file when the page went to one. A failure is reported as an error.
void PrintShownPage(const HtmlView& view, WindowContext context, Printer& printer, TForm20& messageWindow);

// The same for a page's text (its pictures found from `baseDirectory`, a Windows path).
void PrintPageText(const std::string& html, const std::string& baseDirectory, WindowContext context, Printer& printer,
                   TForm20& messageWindow);

}  // namespace quillan
