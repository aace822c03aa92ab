#include "help/html_view.h"

#include "platform/qt/qt_html.h"

namespace quillan {

HtmlView::HtmlView(QWidget* parent) : QTextBrowser(parent) { document()->setDocumentMargin(10); }

QVariant HtmlView::loadResource(int type, const QUrl& name) {
    QUrl url = name;
    if (url.isRelative()) {
        const QUrl base = source().isValid() && !source().isEmpty() ? source() : document()->baseUrl();
        if (base.isValid()) url = base.resolved(url);
    }
    const QVariant local = LoadLocalResource(type, url);
    return local.isValid() ? local : QTextBrowser::loadResource(type, name);
}

}  // namespace quillan
