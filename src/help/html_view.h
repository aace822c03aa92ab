#pragma once

#include <QTextBrowser>

namespace quillan {

// The HTML viewer of the help windows: local pages in UTF-8 or Windows-1250, with their
// pictures and style sheets found whatever the letter case of their names.
class HtmlView : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlView(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace quillan
