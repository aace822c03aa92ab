#include "dictionary_window.h"

#include <QAudioOutput>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "platform/paths.h"
#include "platform/qt/qt_text.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

const char* const kStyle = R"(
QWidget#DictionaryWindow { background: #f4f6f9; }
QLineEdit { font: 15px "DejaVu Sans"; padding: 8px 10px; border: 1px solid #c5cdd8; border-radius: 6px; background: white; }
QLineEdit:focus { border-color: #1f5f99; }
QListWidget { font: 14px "DejaVu Sans"; border: 1px solid #d4dae3; border-radius: 6px; background: white; }
QListWidget::item { padding: 5px 8px; border: none; }
QListWidget::item:selected { background: #1f5f99; color: white; }
QLabel#details { font: 14px "DejaVu Sans"; background: white; border: 1px solid #d4dae3; border-radius: 6px; padding: 14px; color: #1e2a38; }
QPushButton { font: bold 13px "DejaVu Sans"; color: white; background: #1f5f99; border: none; border-radius: 6px; padding: 8px 16px; }
QPushButton:disabled { background: #a9b6c5; }
QPushButton:hover:!disabled { background: #2a72b5; }
)";

QString Html(const std::string& cp1250) { return ToQt(cp1250).toHtmlEscaped(); }

}  // namespace

DictionaryWindow::DictionaryWindow(const DictionaryIndex& index, const QString& title, QWidget* parent)
    : QWidget(parent), index_(index) {
    setObjectName("DictionaryWindow");
    setWindowTitle(title);
    setStyleSheet(kStyle);
    resize(760, 520);

    search_ = new QLineEdit(this);
    search_->setPlaceholderText(QString::fromUtf8("Wpisz słowo angielskie lub polskie…"));
    search_->setClearButtonEnabled(true);
    results_ = new QListWidget(this);
    results_->setFixedWidth(320);
    results_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    results_->setTextElideMode(Qt::ElideRight);
    details_ = new QLabel(this);
    details_->setObjectName("details");
    details_->setWordWrap(true);
    details_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    details_->setTextFormat(Qt::RichText);
    play_ = new QPushButton(QString::fromUtf8("▶  Posłuchaj"), this);
    play_->setEnabled(false);

    auto* right = new QVBoxLayout;
    right->addWidget(details_, 1);
    right->addWidget(play_, 0, Qt::AlignRight);
    auto* body = new QHBoxLayout;
    body->addWidget(results_);
    body->addLayout(right, 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(16, 16, 16, 16);
    page->setSpacing(12);
    page->addWidget(search_);
    page->addLayout(body, 1);

    player_ = new QMediaPlayer(this);
    output_ = new QAudioOutput(this);
    player_->setAudioOutput(output_);

    connect(search_, &QLineEdit::textChanged, this, &DictionaryWindow::ShowMatches);
    connect(results_, &QListWidget::currentRowChanged, this, &DictionaryWindow::ShowEntry);
    connect(results_, &QListWidget::itemActivated, this, &DictionaryWindow::PlayChosen);
    connect(play_, &QPushButton::clicked, this, &DictionaryWindow::PlayChosen);
    ShowMatches(QString());
}

void DictionaryWindow::ShowMatches(const QString& text) {
    shown_ = index_.Search(FromQt(text));
    results_->clear();
    for (const DictionaryEntry* entry : shown_)
        results_->addItem(ToQt(entry->English) + QString::fromUtf8("  —  ") + ToQt(entry->Polish));
    if (!shown_.empty())
        results_->setCurrentRow(0);
    else
        ShowEntry(-1);
}

void DictionaryWindow::ShowEntry(int row) {
    if (row < 0 || static_cast<size_t>(row) >= shown_.size()) {
        details_->setText(index_.Size() == 0 ? QString::fromUtf8("Słownik jest pusty.")
                                             : QString::fromUtf8("Nie znaleziono takiego słowa."));
        play_->setEnabled(false);
        return;
    }
    const DictionaryEntry& e = *shown_[static_cast<size_t>(row)];
    QString html = "<p style='font-size:22px; color:#1f5f99; margin:0'><b>" + Html(e.English) + "</b></p>" +
                   "<p style='font-size:17px; margin-top:6px'>" + Html(e.Polish) + "</p>";
    if (!e.Example.empty())
        html += "<p style='margin-top:18px; color:#4b5a6b'><i>" + Html(e.Example) + "</i><br>" +
                Html(e.ExampleTranslation) + "</p>";
    details_->setText(html);
    play_->setEnabled(!e.SoundPath.empty() && FileExists(e.SoundPath));
}

void DictionaryWindow::PlayChosen() {
    const int row = results_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= shown_.size() || shown_[static_cast<size_t>(row)]->SoundPath.empty()) return;
    player_->stop();
    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(NativePath(shown_[static_cast<size_t>(row)]->SoundPath))));
    player_->play();
}

}  // namespace quillan
