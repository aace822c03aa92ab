#pragma once

#include <string>
#include "context/window_context.h"

namespace quillan {

class Printer;
struct PrintOutcome;
class TForm20;
class HtmlView;

// Prints the page a viewer shows, then tells the learner in the message window where the
// printout went (PrintedMessage). A failure is reported as an error.
void PrintShownPage(const HtmlView& view, WindowContext context, Printer& printer, TForm20& messageWindow);

// The same for a page's text (its pictures found from `baseDirectory`, a Windows path).
// What the learner is told after a printout: for paper UiText(128); for a PDF file, in the
// interface language, that the printout was saved to a file, and on the next line its whole name.
std::string PrintedMessage(const PrintOutcome& outcome, WindowContext context);

void PrintPageText(const std::string& html, const std::string& baseDirectory, WindowContext context, Printer& printer,
                   TForm20& messageWindow);

}  // namespace quillan
