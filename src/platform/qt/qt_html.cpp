#include "platform/qt/qt_html.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

#include "platform/paths.h"
#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

bool DeclaresUtf8(const std::string& bytes) {
    static const QRegularExpression charset(R"(charset\s*=\s*["']?\s*([A-Za-z0-9_\-]+))",
                                            QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(std::min<size_t>(bytes.size(), 2048)));
    const QRegularExpressionMatch match = charset.match(head);
    if (!match.hasMatch()) return false;
    const QString name = match.captured(1).toLower();
    return name == "utf-8" || name == "utf8";
}

bool DeclaresCharset(const std::string& bytes) {
    const std::string head = bytes.substr(0, 2048);
    std::string lower = head;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("charset") != std::string::npos;
}

bool IsUtf8(const std::string& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

}  // namespace

QString DecodeHtml(const std::string& bytes) {
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) return QString::fromUtf8(bytes.data() + 3, static_cast<qsizetype>(bytes.size() - 3));
    if (DeclaresUtf8(bytes) || (!DeclaresCharset(bytes) && IsUtf8(bytes)))
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return ToQt(bytes);
}

QUrl ResolveLocalUrl(const QUrl& url) {
    if (!url.isLocalFile()) return url;
    QUrl resolved = QUrl::fromLocalFile(QString::fromStdString(NativePath(FromQt(url.toLocalFile()))));
    resolved.setFragment(url.fragment());
    return resolved;
}

QVariant LoadLocalResource(int type, const QUrl& url) {
    const QUrl resolved = ResolveLocalUrl(url);
    if (!resolved.isLocalFile()) return {};
    QFile file(resolved.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.readAll();
    if (type == QTextDocument::HtmlResource) return DecodeHtml(bytes.toStdString());
    if (type == QTextDocument::StyleSheetResource) return QString::fromUtf8(bytes);
    return bytes;
}

QVariant HtmlDocument::loadResource(int type, const QUrl& name) {
    QUrl url = name;
    if (url.isRelative() && baseUrl().isValid()) url = baseUrl().resolved(url);
    const QVariant local = LoadLocalResource(type, url);
    return local.isValid() ? local : QTextDocument::loadResource(type, name);
}

}  // namespace quillan
