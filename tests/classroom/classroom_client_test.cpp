#include "classroom/classroom_client.h"

#include <gtest/gtest.h>

#include "progress/results_store.h"
#include "support/fakes.h"

namespace quillan::classroom {
namespace {

// A server that keeps the connection open after the lessons' reply is not waited for: the
// reply is whole once both counts and every record they announce are there.
TEST(ClassroomClient, TheLessonsReplyIsWholeWhenEveryAnnouncedRecordHasCome) {
    const TeacherLesson lesson{LessonFileName(3), "L", {{2001, "A"}}};
    const std::string two = LessonsReplyBytes({lesson, lesson}, {Assignment{3, 46000, true, 0}});
    const std::string none = LessonsReplyBytes({}, {});
    struct Case {
        const char* what;
        std::string bytes;
        bool whole;
    };
    const std::vector<Case> cases = {
        {"nothing", "", false},
        {"no lessons, no assignments", none, true},
        {"a count cut short", none.substr(0, 6), false},
        {"all of it", two, true},
        {"all but the last byte", two.substr(0, two.size() - 1), false},
        {"the lessons without the second count", two.substr(0, 4 + 2 * kLessonRecordSize), false},
        {"negative counts read as none", BigEndianInt(-5) + BigEndianInt(-1), true},
    };
    for (const Case& c : cases) EXPECT_EQ(LessonsReplyComplete(c.bytes), c.whole) << c.what;
}

TEST(ClassroomClient, EachRequestAsksForItsReplyForm) {
    test::FakeClassroomLink link;
    link.answer = [](const LinkRequest&) { return LinkReply{true, {}, "TRUE"}; };
    ClassroomClient client(link, "host");
    const Identity who{"ola", "pw", "qlr2_55"};
    client.LogIn(who);
    client.Upload(who, "file");
    client.DownloadResults(who);
    client.GetUserRecord(who);
    client.GetLessons(who);
    client.RecordResult(who, CW_Info{});
    client.ChangePassword("ola", "pw", "new");
    const std::vector<ReplyForm> forms = {ReplyForm::Line,   ReplyForm::None,   ReplyForm::Stream, ReplyForm::Block,
                                          ReplyForm::Stream, ReplyForm::Line, ReplyForm::Line};
    ASSERT_EQ(link.requests.size(), forms.size());
    for (size_t i = 0; i < forms.size(); ++i) {
        EXPECT_EQ(link.requests[i].form, forms[i]) << link.Lines()[i];
        EXPECT_EQ(link.requests[i].host, "host");
    }
    EXPECT_EQ(link.requests[3].blockSize, kUserRecordSize);
    EXPECT_FALSE(link.requests[2].complete) << "the results stream ends with the connection";
    EXPECT_TRUE(link.requests[4].complete);
    EXPECT_EQ(link.requests[1].bytes, UploadResultsRequest(who) + "file");
}

// The results are asked for only when the server has them: a reply that is empty or ends
// inside a record was cut short and fails, so that it never replaces the learner's table.
TEST(ClassroomClient, ADownloadOfNoWholeRecordsFails) {
    const std::string record(kCwInfoSize, 'r');
    struct Case {
        const char* what;
        LinkReply reply;
        bool ok;
    };
    const std::vector<Case> cases = {
        {"two records", {true, {}, record + record}, true},
        {"nothing", {true, {}, ""}, false},
        {"a record and a piece", {true, {}, record + "abc"}, false},
        {"the connection failed", {false, "refused", record}, false},
    };
    for (const Case& c : cases) {
        test::FakeClassroomLink link;
        link.answer = [&](const LinkRequest&) { return c.reply; };
        const ClassroomClient::Download download = ClassroomClient(link, "host").DownloadResults({"ola", "pw", "qlr2_55"});
        EXPECT_EQ(download.ok, c.ok) << c.what;
        EXPECT_EQ(download.message.empty(), c.ok) << c.what;
        if (!c.ok) {
            EXPECT_TRUE(download.bytes.empty()) << c.what;
        }
    }
}

}  // namespace
}  // namespace quillan::classroom
