#include "controls/message_form.h"
#include "controls/widget_style.h"

#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
#include <algorithm>

#include "controls/button_pictures.h"
#include "controls/transparent_button.h"
#include "platform/qt/qt_text.h"

namespace quillan {
namespace {

const QSize kWindow(440, 120);
const QRect kLabel(70, 30, 350, 46);
const QChar kBreak(0x200B);  // a place a word may break, drawn as nothing

// The word with places to break where it is wider than `width`: after the separators of a
// path's folders; in a piece still too wide, after its underscores and hyphens; in a piece
// wider yet, between any two characters.
QString BreakableWord(const QString& word, const QFontMetrics& metrics, int width, int level = 0) {
    if (metrics.horizontalAdvance(word) <= width) return word;
    static const QString kSeparators[] = {"/\\", "_-"};
    QStringList pieces;
    if (level == 2) {
        for (QChar c : word) pieces << QString(c);
        return pieces.join(kBreak);
    }
    QString piece;
    for (QChar c : word) {
        piece += c;
        if (kSeparators[level].contains(c)) {
            pieces << BreakableWord(piece, metrics, width, level + 1);
            piece.clear();
        }
    }
    if (!piece.isEmpty()) pieces << BreakableWord(piece, metrics, width, level + 1);
    return pieces.join(kBreak);
}

QString Breakable(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines = text.split('\n');
    for (QString& line : lines) {
        QStringList words = line.split(' ');
        for (QString& word : words) word = BreakableWord(word, metrics, width);
        line = words.join(' ');
    }
    return lines.join('\n');
}

}  // namespace

TForm20::TForm20(WindowContext context, TMyImageList& images, QWidget* parent)
    : PictureDialog(context, kWindow, "info.bmp", parent) {
    setObjectName("TForm20");
    Label1 = new QLabel(this);
    Label1->setGeometry(kLabel);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(PixelFont("Verdana", 13));
    B_OK = new TTransparentButton(this, &images, pictures::Ok);
    B_OK->setToolTip(QString::fromUtf8("Wyjście"));
    B_OK->setCursor(Qt::PointingHandCursor);
    connect(B_OK, &TTransparentButton::clicked, this, &QDialog::accept);
}

void TForm20::ShowMessage(const std::string& text) {
    SetMessage(text);
    exec();
}

void TForm20::SetMessage(const std::string& text) {
    Label1->setText(Breakable(ToQt(text), QFontMetrics(Label1->font()), kLabel.width()));
    const int grow = std::max(0, Label1->heightForWidth(kLabel.width()) - kLabel.height());
    Label1->setGeometry(kLabel.adjusted(0, 0, 0, grow));
    setFixedSize(kWindow.width(), kWindow.height() + grow);
}

void TForm20::showEvent(QShowEvent* event) {
    B_OK->move((width() - B_OK->width()) / 2, height() - B_OK->height() - 8);
    PictureDialog::showEvent(event);
}

void TForm20::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (B_OK->isVisible()) accept();
        break;
    default:
        PictureDialog::keyPressEvent(event);
    }
}

}  // namespace quillan
