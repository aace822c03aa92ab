#include <gtest/gtest.h>

#include "help/help_navigation.h"

namespace quillan {
namespace {

TEST(HelpNavigation, SplitsTheAnchor) {
    const HelpTarget withAnchor = SplitHelpPath("C:\\K\\Htm_r\\h_comp.html#dialogi");
    EXPECT_EQ(withAnchor.file, "C:\\K\\Htm_r\\h_comp.html");
    EXPECT_EQ(withAnchor.anchor, "dialogi");
    const HelpTarget plain = SplitHelpPath("C:\\K\\Htm_r\\h_rep.html");
    EXPECT_EQ(plain.file, "C:\\K\\Htm_r\\h_rep.html");
    EXPECT_EQ(plain.anchor, "");
}

TEST(HelpNavigation, ContentsButtonOutsideTheContentsPage) {
    EXPECT_FALSE(HelpNavigation::ContentsShown("C:\\K\\Htm_r\\h_index.html"));
    EXPECT_FALSE(HelpNavigation::ContentsShown("/opt/k/Htm_r/H_Index.HTML"));
    EXPECT_TRUE(HelpNavigation::ContentsShown("/opt/k/Htm_r/h_comp.html"));
    EXPECT_TRUE(HelpNavigation::ContentsShown("/opt/h_index/h_comp.html"));  // the file's name counts
}

TEST(HelpNavigation, BackButtonFromTheSecondStep) {
    HelpNavigation nav;
    nav.Opened();
    EXPECT_FALSE(nav.BackShown());
    nav.FollowedLink();
    nav.FollowedLink();
    EXPECT_EQ(nav.Depth(), 3);
    EXPECT_TRUE(nav.BackShown());
    nav.WentBack();
    EXPECT_TRUE(nav.BackShown());
    nav.WentBack();
    EXPECT_FALSE(nav.BackShown());
    nav.FollowedLink();
    nav.Opened();  // the contents button opens afresh
    EXPECT_FALSE(nav.BackShown());
}

}  // namespace
}  // namespace quillan
