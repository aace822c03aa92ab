#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quillan {

// The program's Windows-1250 texts as Qt strings for drawing, and back.
QString ToQt(std::string_view cp1250);
std::string FromQt(const QString& text);

}  // namespace quillan
