#pragma once

#include <QWidget>

#include "dictionary/dictionary_index.h"

class QAudioOutput;
class QLabel;
class QLineEdit;
class QListWidget;
class QMediaPlayer;
class QPushButton;

namespace quillan {

// The companion dictionary's one window: a search field, the matching words, and the chosen
// word with its translation, example and recording.
class DictionaryWindow : public QWidget {
    Q_OBJECT
public:
    DictionaryWindow(const DictionaryIndex& index, const QString& title, QWidget* parent = nullptr);

    // Shows the words matching the text (the search field's own handler).
    void ShowMatches(const QString& text);
    QListWidget* Results() const { return results_; }
    QLabel* Details() const { return details_; }

private:
    void ShowEntry(int row);
    void PlayChosen();

    const DictionaryIndex& index_;
    std::vector<const DictionaryEntry*> shown_;
    QLineEdit* search_;
    QListWidget* results_;
    QLabel* details_;
    QPushButton* play_;
    QMediaPlayer* player_;
    QAudioOutput* output_;
};

}  // namespace quillan
