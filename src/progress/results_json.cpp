#include "progress/results_json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/cp1250.h"

namespace quillan {
void JsonFields::Text(const char* name, const std::string& cp1250) {
    Name(name);
    out_ += '"';
    for (unsigned char c : Cp1250ToUtf8(cp1250)) {
        if (c == '"' || c == '\\') {
            out_ += '\\';
            out_ += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out_ += escaped;
        } else {
            out_ += static_cast<char>(c);
        }
    }
    out_ += '"';
}

void JsonFields::Number(const char* name, long long value) {
    Name(name);
    out_ += std::to_string(value);
}

void JsonFields::Date(const char* name, double value) {
    Name(name);
    const bool real = std::isfinite(value) && value > -693594 && value < 2958466;  // years 1..9999
    if (!std::isfinite(value)) {
        out_ += "null";
    } else {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        out_.append(buffer, end);
    }
    Text((std::string(name) + "Text").c_str(), real ? FormatDateTime(value) : std::string());
}

void JsonFields::Name(const char* name) {
    out_ += out_.size() > 1 ? ",\"" : "\"";
    out_ += name;
    out_ += "\":";
}

std::string CwInfoJson(const CW_Info& r) {
    JsonFields json;
    json.Text("Id", r.Id);
    json.Text("Title", r.Title);
    json.Number("Kind", r.Kind);
    json.Number("Key", r.Key);
    json.Number("Level", r.Level);
    json.Date("LastDone", r.LastDone);
    json.Number("Result", r.Result);
    json.Number("DoneCount", r.DoneCount);
    json.Number("Completed", r.Completed);
    json.Text("LessonCode", r.LessonCode);
    json.Text("Reserved1", r.Reserved1);
    json.Number("Reserved2", r.Reserved2);
    json.Number("Reserved3", r.Reserved3);
    json.Date("TimeDone", r.TimeDone);
    json.Text("LessonName", r.LessonName);
    json.Number("LessonMode", r.LessonMode);
    json.Text("LessonTag", r.LessonTag);
    return json.Finish();
}

std::string RepetitionJson(const RepetitionEntry& e) {
    JsonFields json;
    json.Text("Id", e.Id);
    json.Number("Kind", e.Kind);
    json.Number("Key", e.Key);
    json.Number("Interval", e.Interval);
    json.Date("Due", e.Due);
    json.Date("LastUpdate", e.LastUpdate);
    json.Number("Index", e.Index);
    return json.Finish();
}

}  // namespace quillan
