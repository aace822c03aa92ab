#include "json_lines.h"

#include <cstdio>

#include "platform/cp1250.h"

namespace quillan {

std::string JsonString(std::string_view cp1250) {
    const std::string utf8 = Cp1250ToUtf8(cp1250);
    std::string out = "\"";
    out.reserve(utf8.size() + 2);
    for (const char c : utf8) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

void JsonObject::Key(std::string_view key) {
    if (!body_.empty()) body_ += ',';
    body_ += '"';
    body_ += key;
    body_ += "\":";
}

JsonObject& JsonObject::Text(std::string_view key, std::string_view cp1250) {
    Key(key);
    body_ += JsonString(cp1250);
    return *this;
}

JsonObject& JsonObject::Number(std::string_view key, long long value) {
    Key(key);
    body_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::Boolean(std::string_view key, bool value) {
    Key(key);
    body_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::Numbers(std::string_view key, const std::vector<int>& values) {
    Key(key);
    body_ += '[';
    for (size_t i = 0; i < values.size(); ++i) body_ += (i ? "," : "") + std::to_string(values[i]);
    body_ += ']';
    return *this;
}

JsonObject& JsonObject::Texts(std::string_view key, const std::vector<std::string>& cp1250) {
    Key(key);
    body_ += '[';
    for (size_t i = 0; i < cp1250.size(); ++i) body_ += (i ? "," : "") + JsonString(cp1250[i]);
    body_ += ']';
    return *this;
}

JsonObject& JsonObject::Objects(std::string_view key, const std::vector<JsonObject>& objects) {
    Key(key);
    body_ += '[';
    for (size_t i = 0; i < objects.size(); ++i) body_ += (i ? "," : "") + objects[i].str();
    body_ += ']';
    return *this;
}

JsonObject& JsonObject::Object(std::string_view key, const JsonObject& object) {
    Key(key);
    body_ += object.str();
    return *this;
}

JsonObject& JsonObject::Null(std::string_view key) {
    Key(key);
    body_ += "null";
    return *this;
}

}  // namespace quillan
