#include "audio/resource_form.h"

#include <string>
#include <vector>

#include "context/window_context.h"
#include "controls/button_pictures.h"
#include "controls/pictures.h"

namespace quillan {
namespace {

// The failed strips, one a line; a long list names the first few and counts the rest.
std::string FailuresText(const std::vector<std::string>& failures) {
    constexpr size_t kNamed = 8;
    std::string text;
    for (size_t i = 0; i < failures.size() && i < kNamed; ++i) text += (i > 0 ? "\n" : "") + failures[i];
    if (failures.size() > kNamed) text += "\n... i " + std::to_string(failures.size() - kNamed) + " innych";
    return text;
}

}  // namespace

TForm5::TForm5(WindowContext context, QWidget* parent)
    : QWidget(parent),
      stan_ok(IconPicture("stan_ok")),
      stan_bad(IconPicture("stan_bad")),
      context_(context),
      player_(MediaPlayer1, *context.services.messages, context.startup) {
    setObjectName("TForm5");
}

TForm5::~TForm5() = default;

void TForm5::LoadButtonPictures() {
    MyImageList1.Clear();
    std::vector<std::string> failures;
    for (const std::string& path : ButtonPicturePaths(context_.startup)) {
        try {
            MyImageList1.AddStrip(path, 2, 0, 0);
        } catch (const std::exception& error) {
            MyImageList1.AddPlaceholder(2);
            failures.push_back(error.what());
        }
    }
    if (!failures.empty() && context_.services.messages) context_.services.messages->Error(FailuresText(failures));
    Flaga_1 = LoadPicture(context_.startup.ProgramDir + "but_r\\flaga_1.jpg");
    Flaga_Tlum = LoadPicture(context_.startup.ProgramDir + "but_r\\flaga_tlum.jpg");
}

}  // namespace quillan
