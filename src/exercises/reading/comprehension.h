#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "exercises/sentences/score.h"

namespace quillan {

struct AppContext;
class Random;
struct ComprehensionSentence;

// One example of the comprehension exercise: a recorded sentence and three pictures, one of
// which shows what it says.
struct ComprehensionExample {
    std::string Key;
    std::string Sound;  // ExampleSound: the recording's file name with ".wav"
    std::string Polish;
    std::string English;
    std::array<std::string, 3> Pictures;  // picture names, shuffled
    int RightPicture = 1;                 // 1..3
    int Attempts = 0;                     // clicks so far
    bool Solved = false;
    // Answered right, or wrongly three times: it does not come back.
    bool Finished() const { return Solved || Attempts > 2; }
};

// What the comprehension window shows.
struct ComprehensionScreen {
    std::string background;                 // img_tlo: ProgramDir + "Gfx_r\rozum_tlo" + n + ".jpg"
    std::string instruction;                // lbl_polecenie
    std::array<std::string, 3> pictures;    // img_1..img_3: the files shown (placeholders for missing ones)
    int rightPicture = 0;                   // the picture whose Tag is 1
    bool picturesActive = false;            // the pictures show the hand pointer
    int tick = 0;                           // shape1 stands above this picture (1..3), 0 hidden
    bool tickAtCorner = false;              // shape1 at the right picture's top-left corner instead
    int cross = 0;                          // shape2 stands above this picture, 0 hidden
    bool polishVisible = false;             // lbl_polskie
    std::string polish;
    bool englishVisible = false;            // lbl_angielskie2
    std::string english;
    bool nextVisible = false;               // btn_next
};

// The comprehension exercise: a recorded sentence and three pictures; the learner clicks the
// picture that matches what he heard. An example answered wrongly comes back after the others,
// three attempts in all; after the right answer or the third wrong one the translation and
// the sentence show. The score is Round(right clicks / (examples + wrong clicks) x 100).
class Comprehension {
public:
    static constexpr int kExampleLimit = 20;
    static constexpr int kWrongPauseMs = 1500;

    explicit Comprehension(AppContext& context);

    // The window opens for an "rpg_" line on catalog entry `number` (1-based). Its examples are
    // the keys of the entry's Line4, each ended by "="; a key no comprehension sentence has is
    // left out. More than 20 keys: the learner is told and the first 20 are taken. False when the
    // catalog has no such entry (the learner has been told).
    bool Open(const std::string& exerciseId, int number);
    // A picture (1..3) clicked.
    void PictureClicked(int picture);
    // btn_next: the next example not finished; true when every one is finished (the window then
    // closes, the exercise completed).
    bool NextClicked();
    // btn_play: the example's recording again.
    void PlayExample();
    // The window closes: the sound stops and, once the learner clicked a picture, the result is
    // recorded with its repetition; the learner's files are saved. Gives the summary to show.
    SummaryRequest Close();
    bool IsOpen() const { return open_; }

    void RandomBackground();

    // The example keys of a catalog entry's Line4: the texts before each "=", a last key
    // without its "=" included.
    static std::vector<std::string> ExampleKeys(const std::string& line4);

    const ComprehensionScreen& Screen() const { return screen_; }
    const std::vector<ComprehensionExample>& Examples() const { return examples_; }
    int ExampleIndex() const { return index_; }
    int RightCount() const { return right_; }
    int WrongCount() const { return wrong_; }
    int Percent() const { return ScorePercent(right_, static_cast<int>(examples_.size()) + wrong_); }
    bool Done() const { return done_; }
    bool Completed() const { return completed_; }
    const std::string& ExerciseId() const { return exerciseId_; }
    std::string SoundPath() const;  // of the example on screen

    // Called before the exercise pauses, so the window shows the cross first.
    std::function<void()> onScreenChanged;
    // The system beep (an example without its recording).
    std::function<void()> beep;

private:
    Random& Draws();
    void Present();
    void Changed();

    AppContext& context_;
    std::string exerciseId_;
    std::vector<ComprehensionExample> examples_;
    int index_ = 1;  // ExampleIndex
    int right_ = 0;
    int wrong_ = 0;
    bool done_ = false;       // ComprehensionDone: a picture was clicked
    bool completed_ = false;  // ComprehensionCompleted
    bool open_ = false;
    ComprehensionScreen screen_;
};

}  // namespace quillan
