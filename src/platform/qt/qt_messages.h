#pragma once

#include "platform/messages.h"

class QWidget;

namespace quillan {

// Message boxes titled with the program's title.
class QtMessages : public Messages {
public:
    void SetTitle(const std::string& cp1250Title) { title_ = cp1250Title; }
    void Show(const std::string& text) override;
    void Warn(const std::string& text) override;
    bool Ask(const std::string& text) override;
    void Error(const std::string& text) override;

private:
    std::string title_ = "Quillan - Business English";
};

}  // namespace quillan
