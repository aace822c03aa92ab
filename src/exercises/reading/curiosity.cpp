#include "exercises/reading/curiosity.h"

#include "exercises/reading/catalog_entry.h"
#include "platform/errors.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "session/app_context.h"
#include "session/learner_session.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The value of a "[TAB=n]" tag (upper case, trimmed); false when it has no "]" or no number,
// and is then an ordinary word.
bool TabValue(const std::string& tag, int& value) {
    const size_t close = tag.find(']', 5);
    if (close == std::string::npos) return false;
    try {
        value = IntOfTrimmed(std::string_view(tag).substr(5, close - 5));
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

}  // namespace

std::vector<std::string> ReadCuriositySection(LineReader& reader, int number) {
    const std::string marker = "***" + std::to_string(number);
    bool found = false;
    while (!found && !reader.Eof()) found = reader.ReadLineView() == marker;
    std::vector<std::string> tokens;
    if (!found) return tokens;
    while (!reader.Eof()) {
        std::string_view rest = reader.ReadLineView();
        if (StartsWith(rest, "***")) break;
        while (!TrimView(rest).empty()) {
            const size_t blank = rest.find(' ');
            tokens.emplace_back(rest.substr(0, blank));
            rest.remove_prefix(blank == std::string_view::npos ? rest.size() : blank + 1);
        }
    }
    if (tokens.size() == 1 && UpperAscii(tokens[0]) == "NULL") tokens[0] = " ";
    return tokens;
}

CuriosityPage LayOutCuriosity(const std::vector<std::string>& tokens, int scroll, const MeasureStyled& width) {
    constexpr int kStep = CuriosityText::kLineStep;
    CuriosityPage page;
    page.words.reserve(tokens.size());
    bool bold = false, italic = false;
    int x = 0, y = kStep - kStep * scroll;
    for (const std::string& word : tokens) {
        const std::string tag = UpperAscii(Trim(word));
        int tab = 0;
        if (tag == "<B>") {
            bold = true;
        } else if (tag == "</B>") {
            bold = false;
        } else if (tag == "<I>") {
            italic = true;
        } else if (tag == "</I>") {
            italic = false;
        } else if (StartsWith(tag, "[TAB=") && TabValue(tag, tab)) {
            x = tab;
        } else if (tag == "<BR>") {
            y += kStep;
            x = 0;
        } else {
            std::string text = word + " ";
            const int w = width(text, bold, italic);
            if (x + w >= CuriosityText::kWidth) {
                y += kStep;
                x = 0;
            }
            page.words.push_back({std::move(text), x, y, bold, italic});
            x += w;
        }
    }
    page.endY = y;
    return page;
}

void CuriosityText::Open(std::vector<std::string> tokens) {
    tokens_ = std::move(tokens);
    scroll_ = 0;
    maxScroll_ = 0;
    measured_ = false;
    upVisible_ = false;
    downVisible_ = false;
}

CuriosityPage CuriosityText::Paint(const MeasureStyled& width) {
    CuriosityPage page = LayOutCuriosity(tokens_, scroll_, width);
    if (!measured_) {
        if (page.endY > kHeight) {
            maxScroll_ = (page.endY - kHeight) / kLineStep + 1;
            downVisible_ = true;
        } else {
            downVisible_ = false;
        }
        measured_ = true;
    }
    return page;
}

void CuriosityText::ScrollDown() {
    if (scroll_ < maxScroll_) ++scroll_;
    if (scroll_ >= maxScroll_) downVisible_ = false;
    upVisible_ = true;
}

void CuriosityText::ScrollUp() {
    if (scroll_ > 0) --scroll_;
    if (scroll_ == 0) upVisible_ = false;
    downVisible_ = true;
}

Curiosity::Curiosity(AppContext& context) : context_(context) {}

bool Curiosity::Open(const std::string& exerciseId, int number) {
    const CatalogEntry* entry = CatalogEntryOf(context_, number);
    if (!entry) return false;
    Messages* messages = context_.services.messages;
    if (open_) Close();
    exerciseId_ = exerciseId;
    open_ = true;
    const std::string& line4 = entry->Line4;
    numberText_ = line4.empty() ? std::string() : line4.substr(0, line4.size() - 1);
    number_ = 0;
    recording_.clear();
    std::vector<std::string> tokens;
    try {
        number_ = StrToInt(numberText_);
        const std::string path = context_.startup.ProgramDir + "kurs.fre";
        if (std::optional<LineReader> reader = LineReader::OpenIfExists(path))
            tokens = ReadCuriositySection(*reader, number_);
        else if (messages)
            messages->Error("Brak pliku: " + path);
    } catch (const std::exception& error) {
        if (messages) messages->Error(error.what());
    }
    text_.Open(std::move(tokens));
    const std::string recording = context_.startup.ProgramDir + "Ciekaw_wav_r\\" + numberText_ + ".wav";
    if (!numberText_.empty() && FileExists(recording)) recording_ = recording;
    RandomBackground();
    return true;
}

void Curiosity::Close() {
    if (!open_) return;
    open_ = false;
    const ExerciseReport report{0, exerciseId_, 58, 1, 0, 0};
    FinishExercise(context_, Shown() ? &report : nullptr);
}

std::string Curiosity::Translation() const { return GlossaryText(context_.course.glossary, 3000 + number_); }

void Curiosity::RandomBackground() {
    static SystemRandom fallback;
    Random& random = context_.services.random ? *context_.services.random : fallback;
    const std::string dir = context_.startup.MediaDir + "tla\\";
    const std::string path = dir + "ciek_" + std::to_string(1 + random.Below(4)) + ".jpg";
    background_ = FileExists(path) ? path : dir + "slow_0.jpg";
}

}  // namespace quillan
