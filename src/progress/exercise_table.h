#pragma once

#include <string>
#include <vector>

#include "context/startup_state.h"
#include "course/course.h"
#include "platform/messages.h"
#include "progress/results_store.h"

namespace quillan {

// The exercise table of a learner who has none yet: the table is emptied and gets one fresh
// record per exercise of the course, family by family: texts (tek_), letters (lst_), the
// catalog (rpg_, zdn_, zdd_, cie_), sentence packages (zda_), dialogues (dia_), word lists
// (slo_) and open tasks (otw_). Every record is stamped with `now` and carries the code and
// name of its section.
//
// A level, section or text number that is no number throws DataLineError (a ConversionError
// naming the file and line); more than 2000 exercises throw TableFullError. The table then
// holds what was appended before.
void BuildExerciseTable(ResultsTable& table, const Course& course, const StartupState& state, DayNumber now);

// The word lists of an installation ("cw_r\*.bc4"), in the order that numbers them: by file
// name, so that every learner of an installation has the same "slo_" numbers.
std::vector<std::string> VocabularyFiles(const std::string& programDir);

// The title every open task of the course is stored with: a template of a title in three
// languages, never meant to be read by a learner.
extern const char* const kOpenTaskTitle;

// What the chart and its printout show for an open task of the course ("otw_" + number) that
// still carries the stored template: the task's own instruction from "otwarte.txt", Polish for
// the Polish interface, English otherwise. Empty for any other record.
std::string OpenTaskLineName(const Course& course, const std::string& id, const std::string& title, int langIndex);

}  // namespace quillan
