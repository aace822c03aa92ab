#include "platform/qt/qt_printer.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

#include "platform/cp1250.h"
#include "platform/paths.h"
#include "platform/qt/qt_html.h"
#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

constexpr int kLastPage = 999;

}  // namespace

QtPrinter::QtPrinter(std::function<std::string()> learnerDirectory, Target target)
    : learnerDirectory_(std::move(learnerDirectory)), target_(target) {}

PrintOutcome QtPrinter::PrintHtml(const std::string& html, const std::string& baseDirectory) {
    HtmlDocument document;
    if (!baseDirectory.empty())
        document.setBaseUrl(QUrl::fromLocalFile(QString::fromStdString(NativePath(WithTrailingSeparator(baseDirectory)))));
    document.setHtml(DecodeHtml(html));
    return PrintDocument(document);
}

// A new file "wydruk_<date>_<time>.pdf" in the learner's directory.
std::string QtPrinter::PdfPath() const {
    std::string dir = learnerDirectory_ ? learnerDirectory_() : std::string();
    if (dir.empty()) dir = FromQt(QDir::homePath());
    dir = WithTrailingSeparator(dir);
    const std::string stamp = FromQt(QDateTime::currentDateTime().toString("yyyy-MM-dd_HH-mm-ss"));
    std::string path = dir + "wydruk_" + stamp + ".pdf";
    for (int n = 2; FileExists(path); ++n) path = dir + "wydruk_" + stamp + "_" + std::to_string(n) + ".pdf";
    return path;
}

PrintOutcome QtPrinter::PrintDocument(const QTextDocument& document) {
    PrintOutcome outcome;
    const QPrinterInfo installed = QPrinterInfo::defaultPrinter();
    const bool toPaper = target_ == Target::DefaultPrinterOrPdf && !installed.isNull();
    std::unique_ptr<QPrinter> printer =
        toPaper ? std::make_unique<QPrinter>(installed, QPrinter::HighResolution) : std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPrintRange(QPrinter::PageRange);
    printer->setFromTo(1, kLastPage);

    QString partial;
    QString target;
    if (!toPaper) {
        target = QString::fromStdString(NativePath(PdfPath()));
        outcome.pdfPath = FromQt(target);
        // Written under a temporary name and renamed when whole.
        partial = target + ".part";
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(partial);
    }
    document.print(printer.get());
    const bool ok = printer->printerState() != QPrinter::Error;
    printer.reset();

    if (toPaper) {
        outcome.printed = ok;
        if (!ok) outcome.error = "Nie udało się wydrukować strony.";
    } else if (!ok || !QFile::exists(partial) || !QFile::rename(partial, target)) {
        QFile::remove(partial);
        outcome.error = "Nie udało się zapisać pliku " + target.toStdString() + ".";
        outcome.pdfPath.clear();
    } else {
        outcome.printed = true;
    }
    if (!outcome.error.empty()) outcome.error = Utf8ToCp1250(outcome.error);
    return outcome;
}

}  // namespace quillan
