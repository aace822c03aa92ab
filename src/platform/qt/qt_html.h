#pragma once

#include <QString>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>
#include <string>

namespace quillan {

// The text of an HTML page from its bytes: UTF-8 when the page says so in its header (or
// starts with the UTF-8 mark, or is plain UTF-8 without a declared character set), otherwise
// Windows-1250, the character set of the installation's files.
QString DecodeHtml(const std::string& bytes);

// A local file named by a page (a picture, a style sheet, a linked page), found without
// regard to the letter case of its names as the installation's pages expect; the URL as it
// was when it is not a local file.
QUrl ResolveLocalUrl(const QUrl& url);

// What a page's resource loads as, for the HTML viewers: pages decoded as above, pictures and
// style sheets read from the resolved file. Null when it is not a local file that exists.
QVariant LoadLocalResource(int type, const QUrl& url);

// A document whose pictures and style sheets are read as the viewers read them.
class HtmlDocument : public QTextDocument {
public:
    using QTextDocument::QTextDocument;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace quillan
