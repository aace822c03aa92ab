#pragma once

#include <string>

namespace quillan {

// Where a printout went.
struct PrintOutcome {
    bool printed = false;     // false: nothing was printed, `error` tells why
    std::string pdfPath;      // the real path of the PDF file written instead of paper, as a
                              // Windows-1250 text to show the learner; empty for paper
    std::string error;
};

// Prints HTML documents, pages 1 to 999.
class Printer {
public:
    virtual ~Printer() = default;
    // `html` is the page's text (Windows-1250, or UTF-8 when the page says so); pictures and
    // style sheets named in it are found relative to `baseDirectory` (a Windows path).
    virtual PrintOutcome PrintHtml(const std::string& html, const std::string& baseDirectory) = 0;
};

}  // namespace quillan
