#include "exercises/reading/comprehension.h"

#include "exercises/reading/catalog_entry.h"
#include "platform/cp1250.h"
#include "platform/paths.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

constexpr int kDrawLimit = 1000;  // draws for a second, different picture before taking the next one

}  // namespace

Comprehension::Comprehension(AppContext& context) : context_(context) {}

Random& Comprehension::Draws() {
    static SystemRandom fallback;
    return context_.services.random ? *context_.services.random : fallback;
}

void Comprehension::Changed() {
    if (onScreenChanged) onScreenChanged();
}

std::vector<std::string> Comprehension::ExampleKeys(const std::string& line4) {
    std::vector<std::string> keys;
    std::string_view rest = line4;
    while (!TrimView(rest).empty()) {
        const size_t end = rest.find('=');
        // A last key without its "=" is a key all the same (and ends the list).
        keys.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return keys;
}

bool Comprehension::Open(const std::string& exerciseId, int number) {
    const CatalogEntry* entry = CatalogEntryOf(context_, number);
    if (!entry) return false;
    Messages* messages = context_.services.messages;
    if (open_) Close();
    exerciseId_ = exerciseId;
    open_ = true;
    right_ = wrong_ = 0;
    done_ = completed_ = false;
    index_ = 1;
    examples_.clear();
    screen_ = ComprehensionScreen();
    screen_.instruction = UiText(context_.course.interfaceTexts, 12);

    std::vector<std::string> keys = ExampleKeys(entry->Line4);
    if (keys.size() > static_cast<size_t>(kExampleLimit)) {
        // The window holds 20 examples: the learner is told, and works the first 20.
        if (messages) messages->Warn(Utf8ToCp1250("Za duzo przykładów w cwiczeniu!!!"));
        keys.resize(static_cast<size_t>(kExampleLimit));
    }
    for (const std::string& key : keys) {
        const ComprehensionSentence* found = nullptr;
        for (const ComprehensionSentence& sentence : context_.course.comprehension)
            if (sentence.Key == key) found = &sentence;  // the last one wins
        if (!found) continue;  // nothing to show or to answer: the example is left out
        ComprehensionExample example;
        example.Key = key;
        example.Sound = found->SoundName + ".wav";
        example.Polish = found->Polish;
        example.English = found->English;
        for (size_t i = 0; i < 3; ++i) example.Pictures[i] = found->Pictures[i];
        example.RightPicture = 1;
        examples_.push_back(std::move(example));
    }
    Random& random = Draws();
    for (ComprehensionExample& example : examples_) {
        const int x = random.Below(3);
        int y = random.Below(3);
        for (int draw = 1; y == x && draw < kDrawLimit; ++draw) y = random.Below(3);
        if (y == x) y = (x + 1) % 3;
        std::swap(example.Pictures[static_cast<size_t>(x)], example.Pictures[static_cast<size_t>(y)]);
        if (example.RightPicture == x + 1)
            example.RightPicture = y + 1;
        else if (example.RightPicture == y + 1)
            example.RightPicture = x + 1;
    }
    Present();
    RandomBackground();  // as the window shows
    return true;
}

void Comprehension::RandomBackground() {
    const int draw = 1 + Draws().Below(10);
    const int n = draw <= 3 ? 1 : draw <= 6 ? 2 : 3;
    screen_.background = context_.startup.ProgramDir + "Gfx_r\\rozum_tlo" + std::to_string(n) + ".jpg";
}

std::string Comprehension::SoundPath() const {
    if (index_ < 1 || static_cast<size_t>(index_) > examples_.size()) return {};
    return context_.startup.ProgramDir + "rozumienia_wav_r\\" + examples_[static_cast<size_t>(index_) - 1].Sound;
}

void Comprehension::Present() {
    screen_.tick = 0;
    screen_.tickAtCorner = false;
    screen_.cross = 0;
    screen_.polishVisible = false;
    screen_.englishVisible = false;
    screen_.nextVisible = false;
    if (index_ < 1 || static_cast<size_t>(index_) > examples_.size()) {
        screen_.pictures = {};
        screen_.rightPicture = 0;
        screen_.picturesActive = false;
        return;
    }
    const ComprehensionExample& example = examples_[static_cast<size_t>(index_) - 1];
    screen_.rightPicture = example.RightPicture;
    screen_.picturesActive = true;
    const std::string dir = context_.startup.MediaDir + "Rozumienia_gfx_r\\";
    for (size_t i = 0; i < 3; ++i) {
        const std::string path = dir + example.Pictures[i] + ".bmp";
        screen_.pictures[i] = FileExists(path) ? path : dir + "tmp_" + std::to_string(i + 1) + ".bmp";
    }
    screen_.english = Trim(example.English);
    screen_.polish = Trim(example.Polish);
    const std::string sound = SoundPath();
    if (FileExists(sound)) {
        if (context_.services.soundPlayer) context_.services.soundPlayer->PlaySound(sound, false);
    } else if (beep) {
        beep();
    }
}

void Comprehension::PictureClicked(int picture) {
    if (!open_ || picture < 1 || picture > 3 || index_ < 1 || static_cast<size_t>(index_) > examples_.size()) return;
    done_ = true;
    if (screen_.nextVisible) return;  // one click per presentation
    ComprehensionExample& example = examples_[static_cast<size_t>(index_) - 1];
    ++example.Attempts;
    if (picture == example.RightPicture) {
        example.Solved = true;
        ++right_;
        screen_.tick = picture;
    } else {
        ++wrong_;
        screen_.cross = picture;
        if (example.Attempts > 2) {
            screen_.tick = example.RightPicture;
            screen_.tickAtCorner = true;
        }
        screen_.picturesActive = false;
        Changed();
        // The cross stays a moment; the learner's clicks and keys wait meanwhile.
        if (context_.services.clock) context_.services.clock->Wait(kWrongPauseMs);
        screen_.cross = 0;
    }
    screen_.picturesActive = false;
    if (example.Finished()) {
        screen_.polishVisible = true;
        screen_.englishVisible = true;
    }
    screen_.nextVisible = true;
}

bool Comprehension::NextClicked() {
    if (!open_ || !screen_.nextVisible) return false;
    const int count = static_cast<int>(examples_.size());
    int finished = 0;
    for (const ComprehensionExample& example : examples_)
        if (example.Finished()) ++finished;
    if (finished >= count) {
        completed_ = true;
        return true;
    }
    screen_.nextVisible = false;
    for (int step = 0; step < count; ++step) {
        index_ = index_ >= count ? 1 : index_ + 1;
        if (!examples_[static_cast<size_t>(index_) - 1].Finished()) break;
    }
    Present();
    return false;
}

void Comprehension::PlayExample() {
    SoundPlayer* player = context_.services.soundPlayer;
    const std::string sound = SoundPath();
    if (!open_ || !player || sound.empty()) return;
    if (player->IsPlaying()) player->StopSound();
    player->Close();
    player->PlaySound(sound, false);
}

SummaryRequest Comprehension::Close() {
    SummaryRequest summary;
    summary.lines = {std::to_string(right_), std::to_string(wrong_), std::to_string(Percent()),
                     std::to_string(examples_.size())};
    summary.backShown = false;
    if (!open_) return summary;
    open_ = false;
    if (SoundPlayer* player = context_.services.soundPlayer) {
        if (player->IsPlaying()) player->StopSound();
        player->Close();
    }
    if (done_) {
        const ExerciseReport report{Percent(), exerciseId_, 54, completed_ ? 1 : 0, 0, 0};
        FinishExercise(context_, &report);
    } else {
        FinishExercise(context_, nullptr);
    }
    return summary;
}

}  // namespace quillan
