#include "platform/qt/qt_text.h"

#include "platform/cp1250.h"

namespace quillan {

QString ToQt(std::string_view cp1250) { return QString::fromStdString(Cp1250ToUtf8(cp1250)); }

std::string FromQt(const QString& text) { return Utf8ToCp1250(text.toStdString()); }

}  // namespace quillan
