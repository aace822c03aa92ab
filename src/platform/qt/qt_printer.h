#pragma once

#include <functional>
#include <string>

#include "platform/printer.h"

class QTextDocument;

namespace quillan {

// Prints on the default printer when one is set up; otherwise (and always when made with
// Target::Pdf) writes a PDF file into the learner's directory (the home directory before
// sign-in) and tells its path.
class QtPrinter : public Printer {
public:
    enum class Target { DefaultPrinterOrPdf, Pdf };
    // `learnerDirectory` gives the directory for PDF files (Windows path; empty: the home
    // directory).
    explicit QtPrinter(std::function<std::string()> learnerDirectory, Target target = Target::DefaultPrinterOrPdf);

    PrintOutcome PrintHtml(const std::string& html, const std::string& baseDirectory) override;
    // Prints a document as it is laid out for paper.
    PrintOutcome PrintDocument(const QTextDocument& document);

private:
    std::string PdfPath() const;

    std::function<std::string()> learnerDirectory_;
    Target target_;
};

}  // namespace quillan
