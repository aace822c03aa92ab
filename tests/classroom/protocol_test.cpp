// The classroom protocol's wire formats: request lines, replies, and their reading.

#include "classroom/protocol.h"

#include <gtest/gtest.h>

#include <cmath>

#include "classroom/classroom_messages.h"
#include "platform/cp1250.h"
#include "platform/day_date.h"

namespace quillan::classroom {
namespace {

const Identity kJan{"jan", "tajne", "qlr2_55"};

CW_Info WorkedRecord() {
    CW_Info r;
    r.Id = "tek_12";
    r.Title = "Spotkanie w biurze";
    r.Kind = 41;
    r.Key = 3;
    r.Level = 2;
    r.LastDone = ToDayNumber({2024, 3, 5, 14, 7, 9});
    r.Result = 87;
    r.DoneCount = 4;
    r.Completed = 1;
    r.LessonCode = "D01";
    r.TimeDone = r.LastDone - std::floor(r.LastDone);  // as the program records it
    r.LessonName = "Meetings";
    r.LessonMode = 0;
    return r;
}

TEST(RequestLines, EveryCommandInItsWireForm) {
    struct Case {
        std::string line, expected;
    };
    const Case cases[] = {
        {LoginRequest(kJan), "LOG:jan#tajne#qlr2_55#\r\n"},
        {UploadResultsRequest(kJan), "PCW:jan#tajne#qlr2_55#\r\n"},
        {DownloadResultsRequest(kJan), "GCW:jan#tajne#qlr2_55#\r\n"},
        {UserRecordRequest(kJan), "GUI:jan#tajne#qlr2_55#\r\n"},
        {LessonsRequest(kJan), "GIL:jan#tajne#qlr2_55#\r\n"},
        {ChangePasswordRequest("jan", "tajne", "nowe"), "CHP:jan#tajne#nowe#\r\n"},
        {RecordResultRequest(kJan, WorkedRecord()),
         "RCW:jan#tajne#qlr2_55#tek_12#Spotkanie w biurze#41#3#2#2024-03-05#87#4#1#D01##0#0#14-07-09#Meetings#0##\r\n"},
        // Fields travel as the Windows-1250 bytes typed, without escaping.
        {LoginRequest({"\xA3ucja", "z\xB3oto", "qlr2_55"}), "LOG:\xA3ucja#z\xB3oto#qlr2_55#\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.line, c.expected);
}

TEST(RequestLines, NamesAndPasswordsThatCannotTravelAreRefusedBeforeSending) {
    struct Case {
        const char *user, *password, *newPassword;
        bool sendable;
    };
    const Case cases[] = {
        {"jan", "tajne", "", true},
        {"jan kowalski", "z\xB3oto 12", "", true},
        {"ja#n", "tajne", "", false},
        {"jan", "taj#ne", "", false},
        {"jan", "tajne", "no#we", false},
        {"jan\r", "tajne", "", false},
        {"jan", "taj\nne", "", false},
    };
    for (const Case& c : cases) {
        const std::string problem = CredentialsProblem(c.user, c.password, c.newPassword);
        EXPECT_EQ(problem.empty(), c.sendable) << c.user << " / " << c.password << " / " << c.newPassword;
    }
    EXPECT_NE(Cp1250ToUtf8(CredentialsProblem("ja#n", "x")).find("„#”"), std::string::npos);
    EXPECT_NE(CredentialsProblem("jan", "a#b"), CredentialsProblem("j#an", "ab")) << "says which one is wrong";
}

TEST(LoginReplies, ReadAsTheProgramReadsThem) {
    struct Case {
        const char* line;
        LoginOutcome outcome;
        bool serverHasResults;
        int typing;
    };
    const Case cases[] = {
        // Logged in, results on the server (download), typing exercises open.
        {"1#1#1#0#1#1#", LoginOutcome::LoggedIn, true, 1},
        {"0#0#0#0#0#0#", LoginOutcome::WrongCredentials, false, 0},
        {"2#0#0#0#1#0#", LoginOutcome::NoAccess, false, 1},
        {"1#0#0#0#0#0#", LoginOutcome::LoggedIn, false, 0},
        {"7#x#0#0#1#0#", LoginOutcome::LoggedIn, true, 1},
        {"#1#0#0#1#0#", LoginOutcome::LoggedIn, true, 1},
        {"1#1#-5# 12#3#0#trailing", LoginOutcome::LoggedIn, true, 3},
    };
    for (const Case& c : cases) {
        const LoginReply reply = ParseLoginReply(c.line);
        EXPECT_EQ(reply.outcome, c.outcome) << c.line;
        EXPECT_EQ(reply.serverHasResults, c.serverHasResults) << c.line;
        EXPECT_EQ(reply.typingAllowed, c.typing) << c.line;
    }
    const LoginReply stored = ParseLoginReply("1#1#-5#12#1#99#");
    EXPECT_EQ(stored.field3, -5);
    EXPECT_EQ(stored.field4, 12);
    EXPECT_EQ(stored.field6, 99);
}

TEST(LoginReplies, FieldsThreeToSixThatAreNoIntegersGiveAClearError) {
    const char* lines[] = {
        "1#1#x#0#1#0#",       "1#1#0#0#yes#0#",  "1#1#0#0#1#1.5#", "1#1#0#0#1#",  // field 6 missing
        "1#1#0#0#1#99999999999#", "",                "1",               "1#1#0#0#1#0",  // field 6 lacks its "#"
    };
    for (const char* line : lines) {
        try {
            ParseLoginReply(line);
            ADD_FAILURE() << "accepted: " << line;
        } catch (const ReplyError& e) {
            EXPECT_NE(Cp1250ToUtf8(e.what()).find("nie jest liczbą całkowitą"), std::string::npos) << e.what();
        }
    }
    try {
        ParseLoginReply("1#1#0#0#tak#0#");
    } catch (const ReplyError& e) {
        EXPECT_NE(Cp1250ToUtf8(e.what()).find("pole 5 („tak”)"), std::string::npos) << e.what();
    }
    // The clearer text stands where the socket error text would.
    EXPECT_EQ(Cp1250ToUtf8(LoginConnectionErrorMessage("pole 5")),
              "Błąd podczas próby połączenia z serwerem. (id: pole 5). Skontaktuj sie z administratorem.");
}

TEST(ReplyLines, TakenUpToTheLineFeedWithoutTheCarriageReturn) {
    std::string received = "TRU";
    EXPECT_FALSE(TakeReplyLine(received));
    EXPECT_EQ(received, "TRU");
    received += "E\r\nFALSE\n\n";
    EXPECT_EQ(TakeReplyLine(received), "TRUE");
    EXPECT_EQ(TakeReplyLine(received), "FALSE");
    EXPECT_EQ(TakeReplyLine(received), "");
    EXPECT_FALSE(TakeReplyLine(received));

    EXPECT_TRUE(IsTrueReply("TRUE"));
    for (const char* other : {"FALSE", "true", "TRUE ", " TRUE", ""}) EXPECT_FALSE(IsTrueReply(other)) << other;
}

TEST(ReplyLines, FourByteIntegersMostSignificantByteFirst) {
    EXPECT_EQ(BigEndianInt(0x01020304), std::string("\x01\x02\x03\x04", 4));
    EXPECT_EQ(BigEndianInt(-2), std::string("\xFF\xFF\xFF\xFE", 4));
    EXPECT_EQ(ReadBigEndianInt("\x00\x00\x0B\xB8"), 3000);
    EXPECT_EQ(ReadBigEndianInt("\xFF\xFF\xFF\xFF"), -1);
}

TEST(ServerSide, RequestLinesTakenApart) {
    struct Case {
        const char* line;
        bool read;
        const char* command;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {"LOG:jan#tajne#qlr2_55#", true, "LOG:", {"jan", "tajne", "qlr2_55"}},
        {"GIL:###", true, "GIL:", {"", "", ""}},
        {"CHP:", true, "CHP:", {}},
        {"LOG:jan#tajne#qlr2_55", false, "", {}},  // text after the last "#"
        {"LOG", false, "", {}},
        {"LOGX:jan#", false, "", {}},
        {"", false, "", {}},
    };
    for (const Case& c : cases) {
        const std::optional<RequestParts> parts = ParseRequestLine(c.line);
        ASSERT_EQ(parts.has_value(), c.read) << c.line;
        if (!parts) continue;
        EXPECT_EQ(parts->command, c.command);
        EXPECT_EQ(parts->fields, c.fields);
    }
}

std::vector<std::string> RecordFieldsOf(const CW_Info& record) {
    const std::string line = RecordResultRequest(kJan, record);
    std::vector<std::string> fields = ParseRequestLine(line.substr(0, line.size() - 2))->fields;
    return {fields.begin() + 3, fields.end()};
}

TEST(ServerSide, TheRecordOfAResultReadBackFromItsSeventeenFields) {
    const CW_Info sent = WorkedRecord();
    const std::optional<CW_Info> read = ParseRecordFields(RecordFieldsOf(sent));
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, sent);
}

// A record of a day before 30 December 1899 (a negative day number whose time counts away from
// zero) comes back as the same day and time.
TEST(ServerSide, ADayBeforeDayZeroReadsBackWithItsTime) {
    for (const DayNumber lastDone : {-1.25, -2.5, 45356.75}) {
        CW_Info sent = WorkedRecord();
        sent.LastDone = lastDone;
        sent.TimeDone = TimeOnly(lastDone);
        const std::optional<CW_Info> read = ParseRecordFields(RecordFieldsOf(sent));
        ASSERT_TRUE(read) << lastDone;
        EXPECT_DOUBLE_EQ(read->LastDone, lastDone);
        EXPECT_DOUBLE_EQ(read->TimeDone, sent.TimeDone) << lastDone;
    }
}

TEST(ServerSide, ATitleHoldingHashSignsStaysOneTitle) {
    CW_Info sent = WorkedRecord();
    sent.Title = "A#B#C";
    const std::optional<CW_Info> read = ParseRecordFields(RecordFieldsOf(sent));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Title, "A#B#C");
    EXPECT_EQ(read->LessonName, "Meetings");
}

// A sender may cut the piece "id#title#" to its 255 characters with the closing "#" in the
// cut: the title then runs into Kind. The record is read all the same, with the title as far
// as the piece held it.
TEST(ServerSide, AnIdAndTitleCutTo255CharactersWithTheirClosingHashIsRead) {
    struct Case {
        std::string title;
        size_t keptTitle;  // characters of the title kept
    };
    const std::string id = WorkedRecord().Id;  // "tek_12": 7 characters with its "#"
    const Case cases[] = {
        {std::string(250, 't'), 248},                    // cut inside the title
        {std::string(248, 't'), 248},                    // only the closing "#" cut
        {"A#B#" + std::string(246, 'x'), 248},           // a title holding "#"
        {std::string(120, 'a') + "#17#3#" + std::string(120, 'b'), 248},  // numbers inside it
    };
    for (const Case& c : cases) {
        CW_Info sent = WorkedRecord();
        sent.Title = c.title;
        const std::vector<std::string> fields = RecordFieldsOf(sent);
        std::string text = (id + "#" + c.title + "#").substr(0, 255);
        for (auto field = fields.end() - 15; field != fields.end(); ++field) text += *field + "#";  // Kind on
        const std::optional<RequestParts> parts = ParseRequestLine("RCW:" + text);
        ASSERT_TRUE(parts) << c.title;
        const std::optional<CW_Info> read = ParseRecordFields(parts->fields);
        ASSERT_TRUE(read) << c.title;
        CW_Info expected = sent;
        expected.Title = c.title.substr(0, c.keptTitle);
        EXPECT_EQ(*read, expected) << c.title;
    }
}

TEST(ServerSide, RecordFieldsOutOfTheirRangesAreRefused) {
    const std::vector<std::string> good = RecordFieldsOf(WorkedRecord());
    struct Case {
        size_t field;
        const char* value;
    };
    const Case cases[] = {
        {2, "256"}, {2, "x"},  {3, "-1"}, {4, ""},  {5, "2024-13-01"}, {5, "2024-03-05 10:00"}, {6, "101"},
        {6, "-1"},  {7, "-3"}, {8, "1x"}, {11, "99999999999"}, {15, "256"},
    };
    ASSERT_TRUE(ParseRecordFields(good));
    for (const Case& c : cases) {
        std::vector<std::string> fields = good;
        fields[c.field] = c.value;
        EXPECT_FALSE(ParseRecordFields(fields)) << "field " << c.field << " = " << c.value;
    }
    EXPECT_FALSE(ParseRecordFields(std::vector<std::string>(good.begin(), good.end() - 1))) << "16 fields";
}

// Another program sends the time of day in its system's long time format; a time that cannot
// be read at all costs the record its time, never the learner's result.
TEST(ServerSide, TimesOfDayInOtherLongTimeFormatsAreReadAndAnUnreadableOneLeavesTheDate) {
    struct Case {
        const char* sent;
        const char* kept;  // LastDone as read
    };
    const Case cases[] = {
        {"14-07-09", "2024-03-05 14-07-09"},    {"9-05-03", "2024-03-05 09-05-03"},
        {"21-5-3", "2024-03-05 21-05-03"},      {"9-05-03 AM", "2024-03-05 09-05-03"},
        {"9-05-03 PM", "2024-03-05 21-05-03"},  {"9-5-3pm", "2024-03-05 21-05-03"},
        {"12-00-01 AM", "2024-03-05 00-00-01"}, {"12-30-00 PM", "2024-03-05 12-30-00"},
        {"14:07:09", "2024-03-05 14-07-09"},    {"14-07", "2024-03-05 14-07-00"},
        // Unreadable: the date alone.
        {"25-00-00", "2024-03-05 00-00-00"},    {"noon", "2024-03-05 00-00-00"},
        {"", "2024-03-05 00-00-00"},            {"13-00-00 PM", "2024-03-05 00-00-00"},
        {"0-10-00 AM", "2024-03-05 00-00-00"},  {"9-60-00", "2024-03-05 00-00-00"},
        {"9-05-03 XM", "2024-03-05 00-00-00"},  {"123-4-5", "2024-03-05 00-00-00"},
    };
    std::vector<std::string> fields = RecordFieldsOf(WorkedRecord());
    for (const Case& c : cases) {
        fields[13] = c.sent;
        const std::optional<CW_Info> read = ParseRecordFields(fields);
        ASSERT_TRUE(read) << c.sent;
        EXPECT_EQ(FormatDateTime(read->LastDone), c.kept) << c.sent;
        EXPECT_EQ(FormatTime(read->TimeDone), std::string(c.kept).substr(11)) << c.sent;
        EXPECT_LT(read->TimeDone, 1.0) << "the time of day alone, " << c.sent;
        EXPECT_EQ(read->Result, 87) << c.sent;
    }
}

TEST(ServerSide, LongTextsAreCutToTheirFieldsAsTheRecordKeepsThem) {
    std::vector<std::string> fields = RecordFieldsOf(WorkedRecord());
    fields[0] = std::string(150, 'i');
    fields[9] = std::string(20, 'c');
    fields[14] = std::string(80, 'n');
    const std::optional<CW_Info> read = ParseRecordFields(fields);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->Id.size(), kIdCapacity);
    EXPECT_EQ(read->LessonCode.size(), kLessonCodeCapacity);
    EXPECT_EQ(read->LessonName.size(), kLessonNameCapacity);
}

TEST(ServerSide, LoginReplyLinesReadBackByTheProgram) {
    LoginReply sent;
    sent.outcome = LoginOutcome::LoggedIn;
    sent.serverHasResults = true;
    sent.typingAllowed = 0;
    const std::string line = LoginReplyLine(sent);
    EXPECT_EQ(line, "1#1#0#0#0#0#\r\n");
    const LoginReply read = ParseLoginReply(line.substr(0, line.size() - 2));
    EXPECT_EQ(read.outcome, LoginOutcome::LoggedIn);
    EXPECT_TRUE(read.serverHasResults);
    EXPECT_EQ(read.typingAllowed, 0);
}

TEST(Messages, TheTextsTheLearnerIsShown) {
    EXPECT_EQ(Cp1250ToUtf8(WrongCredentialsMessage()),
              "Próba logowania zakończyła się niepowodzeniem (podano błędny login i/lub password).\n"
              "Skontaktuj sie z administratorem.");
    EXPECT_EQ(Cp1250ToUtf8(RecordErrorMessage("Connection refused")),
              "Błąd serwera: Connection refused - skontaktuj się z administratorem");
    EXPECT_EQ(Cp1250ToUtf8(UploadErrorMessage("x")), "Bład serwera podczas przysyłania CW_Info. Błąd:x");
    EXPECT_EQ(Cp1250ToUtf8(PasswordNotChangedMessage()),
              "Bład - serwer odpowiedzial \"FALSE\" po otrzymaniu zadania zmiany hasla!\n\nMozliwe przyczyny:\n\n"
              "- zle podany user i/lub password\n\n- bark komunikacji z serverem.");
}

}  // namespace
}  // namespace quillan::classroom
