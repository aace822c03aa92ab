#pragma once

#include <string>

#include "progress/repetitions.h"
#include "progress/results_store.h"

namespace quillan {

// Builds one JSON object (one line, no line end) field by field; texts are given in
// Windows-1250 and written in UTF-8.
class JsonFields {
public:
    void Text(const char* name, const std::string& cp1250);
    void Number(const char* name, long long value);
    // The day number, then its text "yyyy-mm-dd hh-nn-ss" as the field name + "Text"; a value
    // that is no real date gives null and "".
    void Date(const char* name, double value);
    std::string Finish() { return out_ + "}"; }

private:
    void Name(const char* name);
    std::string out_ = "{";
};

// The learner's records as JSON objects on one line (no line end), every field by its name,
// texts in UTF-8, dates as the day number and beside it as text "yyyy-mm-dd hh-nn-ss" (the
// field name + "Text"). For teachers, support and scripts.
std::string CwInfoJson(const CW_Info& record);
std::string RepetitionJson(const RepetitionEntry& entry);

}  // namespace quillan
