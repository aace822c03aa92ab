#pragma once

namespace quillan {

// The score of a text exercise: correct x 100 / (correct + wrong), rounded to the nearest
// integer with halves going to the even neighbour (5 of 8 gives 62, 7 of 8 gives 88); 0 when
// nothing was scored.
int TextExercisePercent(int correct, int wrong);

// What the closing window hands to the results store and the repetitions.
struct ClosingReport {
    bool Record = false;  // the learner worked in the window: record a result
    int Percent = 0;
    int Completed = 0;    // 1 when the exercise was checked
};

// What the frame around a member shows: the check button, "again", and the score, either as
// the gauge (panel_wynik) or as a bare number with a verdict line (lbl_proc over ptoc_panel,
// lbl_komentarz).
struct FrameState {
    bool CheckVisible = true;   // btn_ok, btn_sprawdz or btn_wyniki
    bool AgainVisible = false;  // lbl_jeszcze_raz
    bool GaugeVisible = false;  // panel_wynik with the percent
    bool ScoreVisible = false;  // ptoc_panel with the percent in lbl_proc
    int Percent = 0;
    int VerdictText = 0;        // interface text shown in lbl_komentarz; 0: hidden
    bool VerdictRed = false;
};

// One attempt at a text exercise, from preparing it to closing the window or to "again". Every
// member starts a fresh attempt when it prepares its exercise (also after "again", once the
// window has handed over the checked attempt), so the result handed over on closing is always
// this attempt's: 0 % with completed 0 when it was not checked, whatever an earlier attempt in
// the same window scored.
class Attempt {
public:
    // A fresh attempt: not touched, not checked, nothing scored.
    void Start();
    // The learner did something that counts as working on the exercise.
    void Touch() { touched_ = true; }
    // The check: answers are locked and the counts set.
    void Finish(int correct, int wrong);

    bool Touched() const { return touched_; }
    bool Evaluated() const { return evaluated_; }
    int CorrectCount() const { return correct_; }
    int WrongCount() const { return wrong_; }
    // This attempt's percent; 0 before the check.
    int Percent() const;
    ClosingReport Closing() const;

private:
    bool touched_ = false;
    bool evaluated_ = false;
    int correct_ = 0;
    int wrong_ = 0;
};

}  // namespace quillan
