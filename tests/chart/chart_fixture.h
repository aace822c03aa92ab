#pragma once

#include <filesystem>
#include <string>

#include "session/app_context.h"
#include "platform/day_date.h"
#include "chart/chart_tree.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace quillan::test {

inline DayNumber Day(int year, int month, int day, int hour = 12) {
    DateTimeParts parts;
    parts.year = year;
    parts.month = month;
    parts.day = day;
    parts.hour = hour;
    return ToDayNumber(parts);
}

// A learner's context on a temporary installation, filled line by line by the tests: lessons,
// exercise records, results and repetitions. Today is 2026-12-09.
class ChartFixture {
public:
    ChartFixture() {
        ctx.startup.ProgramDir = dir.Path();
        ctx.startup.ResultsDirectory = dir.Path() + "1/";
        std::filesystem::create_directories(dir.Path() + "1");
        ctx.learner.results.file.path = dir.Path() + "1/qlr2_55";
        ctx.learner.repetitions.file.path = dir.Path() + "1/powt_qlr2_55";
        ctx.services.messages = &messages;
        ctx.services.clock = &clock;
        ctx.services.random = &random;
        // Names of the exercise kinds (interface texts by position).
        ctx.course.interfaceTexts.resize(200);
        const std::pair<int, const char*> kindNames[] = {
            {29, "Multiple choice"}, {30, "True or false"}, {31, "Drag and drop table"}, {33, "Typing"},
            {34, "Definitions"}, {36, "Sentences - choice"}, {37, "Sentences - comprehension"},
            {38, "Sentences - typing"}, {40, "Listening"}, {41, "Speaking"}, {43, "Comprehension"},
            {44, "Dialogue drag and drop"}, {149, "Gap text"}, {150, "Stage 1"}, {151, "Stage 2"},
            {152, "Stage 3"}, {153, "Stage 4"}, {154, "Stage 5"}};
        for (const auto& [n, name] : kindNames) ctx.course.interfaceTexts[static_cast<size_t>(n) - 1] = name;
    }

    void Lesson(const std::string& name, const std::string& code) { ctx.course.sections.push_back({name, code}); }
    void DisplayName(const std::string& title, const std::string& name) {
        ctx.course.displayNames.push_back({title, name});
    }
    // An entry of the text-exercise list for the text named `textNumber` in its header.
    void TextExercise(const std::string& textNumber, const std::string& type = "MC") {
        ctx.course.textExercises.push_back({"#" + textNumber + "#", type + "#", "0=", "St_a.txt", 1});
    }

    CW_Info& Add(const std::string& id, const std::string& title, int kind, int level, const std::string& lessonCode,
                 int key = 0) {
        CW_Info& record = AppendRecord(ctx.learner.results, Day(2026, 11, 1), id, title, kind, level);
        record.LessonCode = lessonCode;
        record.Key = static_cast<std::uint8_t>(key);
        return record;
    }
    static void Done(CW_Info& record, int result, DayNumber when, int times = 1) {
        record.Result = static_cast<std::uint8_t>(result);
        record.DoneCount = times;
        record.LastDone = when;
    }
    void Repetition(const std::string& id, int kind, int index, DayNumber due, int key = 0) {
        ctx.learner.repetitions.entries.push_back({id, kind, key, 3, due, Day(2026, 12, 1), static_cast<std::uint8_t>(index)});
    }

    ChartTree Build(int mode) {
        ChartTree tree;
        tree.Build(ctx, mode, clock.now);
        return tree;
    }

    TempDir dir;
    FakeMessages messages;
    FakeClock clock{Day(2026, 12, 9)};
    FakeRandom random;
    AppContext ctx;
};

}  // namespace quillan::test
