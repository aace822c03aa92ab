#include "platform/messages.h"

#include "platform/cp1250.h"

namespace quillan {

void StreamMessages::Print(const std::string& text) { out_ << prefix_ << Cp1250ToUtf8(text) << '\n'; }

}  // namespace quillan
