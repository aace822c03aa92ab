#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "chart/chart_painting.h"
#include "controls/pictures.h"

namespace quillan {
namespace {

struct Named {
    std::string name;
    int width, height;
};

// Every picture the windows ask for by name, at the size they lay out with.
std::vector<Named> WindowPictures() {
    std::vector<Named> all = {
        // The exercise chart: expand boxes, done marks, result bars.
        {"img_plus", 13, 13}, {"img_minus", 13, 13}, {"rob_yes", 16, 16}, {"rob_no", 16, 16},
        {"img_progress_back", 102, 14},
        // Answer marks of the shared resource window, answer boxes, the "!" of corrected places.
        {"stan_ok", 18, 18}, {"stan_bad", 18, 18}, {"img_normal", 18, 18}, {"img_checked", 18, 18},
        {"img_bad", 18, 18}, {"tmp_wykrzykniczek", 18, 18},
        // The empty gap of the gap texts and the dialogues.
        {"img_pyt", 40, 18},
        // The vocabulary trainer: verdicts, word list pictures, the take, the translation plate.
        {"werdykt_ok", 32, 32}, {"werdykt_zle", 32, 32}, {"img_glosnik2", 18, 18}, {"tlumacz_tlo", 240, 24},
        // Microphones and loudspeakers of the word list, the recordings and the dialogues.
        {"img_mikrofon", 18, 18}, {"img_mikrofon_on", 18, 18}, {"img_glosnik", 18, 18},
        // The dialogue's roles.
        {"img_0", 18, 18}, {"img_1", 18, 18},
        // The picture exercise's marks and the sentence exercise's record button.
        {"znak_ok", 40, 40}, {"znak_zle", 40, 40}, {"nagraj_a", 40, 40}, {"nagraj_b", 40, 40}, {"nagraj_c", 40, 40},
        // The result gauge: its plate and 13 pies of 22 x 22 side by side.
        {"tlo_wynik", 200, 33}, {"torcik", 286, 22},
    };
    for (const char* speaker : {"dial_a", "dial_b", "dial_c", "dial_d", "dial_e"}) all.push_back({speaker, 18, 18});
    for (int n = 1; n <= 4; ++n) {
        all.push_back({"poz_" + std::to_string(n), 20, 16});
        all.push_back({"img_prog" + std::to_string(n), 100, 14});
    }
    for (int n = 1; n <= 5; ++n) all.push_back({"typ_" + std::to_string(n), 20, 20});
    for (int kind : {40, 41, 44, 45, 47, 56, 57, 58, 59, 60, 61, 62, 63, 64, 70, 71, 73, 74})
        all.push_back({"typ_" + std::to_string(kind), 20, 20});
    return all;
}

bool HasInk(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) return true;
    return false;
}

// The program draws these pictures itself: they are there whatever the installation holds.
TEST(DesignPictures, EveryPictureTheWindowsAskForIsDrawnAtItsSize) {
    for (const Named& picture : WindowPictures()) {
        const QPixmap shown = IconPicture(picture.name);
        ASSERT_FALSE(shown.isNull()) << picture.name;
        EXPECT_EQ(shown.size(), QSize(picture.width, picture.height)) << picture.name;
        EXPECT_TRUE(HasInk(shown.toImage())) << picture.name;
        EXPECT_TRUE(shown.hasAlphaChannel()) << picture.name << ": drawn on a transparent ground";
    }
}

TEST(DesignPictures, EachIsDrawnOnceAndDiffersFromItsNeighbours) {
    EXPECT_EQ(IconPicture("dial_a").cacheKey(), IconPicture("dial_a").cacheKey());
    for (const auto& [one, other] : std::vector<std::pair<const char*, const char*>>{
             {"stan_ok", "stan_bad"}, {"img_mikrofon", "img_mikrofon_on"}, {"img_0", "img_1"}, {"dial_a", "dial_b"},
             {"img_normal", "img_checked"}, {"poz_1", "poz_4"}, {"img_plus", "img_minus"}, {"typ_40", "typ_41"}})
        EXPECT_NE(IconPicture(one).toImage(), IconPicture(other).toImage()) << one << " " << other;
}

TEST(DesignPictures, AnUnknownNameGivesAnEmptyPicture) {
    EXPECT_TRUE(IconPicture("no_such_picture").isNull());
    EXPECT_TRUE(IconPicture("").isNull());
}

// What the chart loads is every picture it may draw.
TEST(DesignPictures, TheChartFindsEveryPictureItMayDraw) {
    ChartPictures pictures;
    pictures.Load();
    for (const std::string& name : ChartPictures::Names()) EXPECT_NE(pictures.Find(name), nullptr) << name;
}

}  // namespace
}  // namespace quillan
