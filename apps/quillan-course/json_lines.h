#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// One JSON object written as one line. Texts come in as the program holds them (Windows-1250)
// and go out as UTF-8.
class JsonObject {
public:
    JsonObject& Text(std::string_view key, std::string_view cp1250);
    JsonObject& Number(std::string_view key, long long value);
    JsonObject& Boolean(std::string_view key, bool value);
    JsonObject& Numbers(std::string_view key, const std::vector<int>& values);
    JsonObject& Texts(std::string_view key, const std::vector<std::string>& cp1250);
    JsonObject& Objects(std::string_view key, const std::vector<JsonObject>& objects);
    JsonObject& Object(std::string_view key, const JsonObject& object);
    JsonObject& Null(std::string_view key);

    // "{...}" without a line end.
    std::string str() const { return "{" + body_ + "}"; }

private:
    void Key(std::string_view key);
    std::string body_;
};

// A quoted JSON string of a Windows-1250 text, in UTF-8.
std::string JsonString(std::string_view cp1250);

}  // namespace quillan
