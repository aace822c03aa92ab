#include "classroom/protocol.h"

#include <cmath>
#include <limits>
#include <regex>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "text/text_utils.h"

namespace quillan::classroom {
namespace {

std::vector<std::string> IdentityFields(const Identity& who) { return {who.user, who.password, who.file}; }

bool Unsendable(std::string_view text) { return text.find_first_of("#\r\n") != std::string_view::npos; }

// A decimal integer within [low, high], as the record's fields hold them.
std::optional<long long> Number(const std::string& text, long long low, long long high) {
    try {
        const long long value = StrToInt(text);
        if (value < low || value > high) return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// The time of day of a sent record, as a fraction of a day. Programs write it in the system's
// long time format with "-" between hours, minutes and seconds, so it need not be ours
// ("14-07-09"): a part may have one digit ("9-05-03", "21-5-3"), the seconds may be missing,
// ":" may stand for "-", and a 12-hour clock adds AM or PM ("9-05-03 PM"). Nothing when the
// text is no such time.
std::optional<DayNumber> TimeOfDay(const std::string& text) {
    static const std::regex pattern(R"(\s*(\d{1,2})[-:](\d{1,2})(?:[-:](\d{1,2}))?\s*(?:([AaPp])[Mm])?\s*)");
    std::smatch m;
    if (!std::regex_match(text, m, pattern)) return std::nullopt;
    DateTimeParts p;
    p.hour = std::stoi(m[1]);
    p.minute = std::stoi(m[2]);
    p.second = m[3].matched ? std::stoi(m[3]) : 0;
    if (m[4].matched) {
        if (p.hour < 1 || p.hour > 12) return std::nullopt;
        const bool pm = m[4] == "P" || m[4] == "p";
        p.hour = p.hour % 12 + (pm ? 12 : 0);  // 12 AM is midnight, 12 PM noon
    }
    if (p.hour > 23 || p.minute > 59 || p.second > 59) return std::nullopt;
    return ToDayNumber(p);
}

}  // namespace

std::string RequestLine(std::string_view command, const std::vector<std::string>& fields) {
    std::string line(command);
    for (const std::string& field : fields) line += field + "#";
    return line + "\r\n";
}

std::string LoginRequest(const Identity& who) { return RequestLine(kLoginCommand, IdentityFields(who)); }
std::string UploadResultsRequest(const Identity& who) {
    return RequestLine(kUploadResultsCommand, IdentityFields(who));
}
std::string DownloadResultsRequest(const Identity& who) {
    return RequestLine(kDownloadResultsCommand, IdentityFields(who));
}
std::string UserRecordRequest(const Identity& who) { return RequestLine(kUserRecordCommand, IdentityFields(who)); }
std::string LessonsRequest(const Identity& who) { return RequestLine(kLessonsCommand, IdentityFields(who)); }

std::string RecordResultRequest(const Identity& who, const CW_Info& record) {
    std::string line = RequestLine(kRecordResultCommand, IdentityFields(who));
    line.insert(line.size() - 2, CwInfoRecordText(record));
    return line;
}

std::string ChangePasswordRequest(std::string_view user, std::string_view oldPassword, std::string_view newPassword) {
    return RequestLine(kChangePasswordCommand,
                       {std::string(user), std::string(oldPassword), std::string(newPassword)});
}

std::string CredentialsProblem(std::string_view user, std::string_view password, std::string_view newPassword) {
    if (Unsendable(user))
        return Utf8ToCp1250("Nazwa użytkownika nie może zawierać znaku „#” ani końca wiersza; "
                            "serwer jej nie odczyta. Skontaktuj się z administratorem.");
    if (Unsendable(password) || Unsendable(newPassword))
        return Utf8ToCp1250("Hasło nie może zawierać znaku „#” ani końca wiersza; serwer go nie odczyta.");
    return {};
}

LoginReply ParseLoginReply(std::string_view line) {
    auto integer = [line](int n) {
        const std::string field = NthHashField(line, n);
        try {
            return StrToInt(field);
        } catch (const ConversionError&) {
            throw ReplyError(Utf8ToCp1250("Serwer przysłał niepoprawną odpowiedź na logowanie: pole " +
                                          std::to_string(n) + " („" + Cp1250ToUtf8(field) +
                                          "”) nie jest liczbą całkowitą"));
        }
    };
    LoginReply reply;
    reply.field3 = integer(3);
    reply.field4 = integer(4);
    reply.typingAllowed = integer(5);
    reply.field6 = integer(6);
    const std::string result = NthHashField(line, 1);
    reply.outcome = result == "0"   ? LoginOutcome::WrongCredentials
                    : result == "2" ? LoginOutcome::NoAccess
                                    : LoginOutcome::LoggedIn;
    reply.serverHasResults = NthHashField(line, 2) != "0";
    return reply;
}

std::optional<std::string> TakeReplyLine(std::string& received) {
    const size_t lf = received.find('\n');
    if (lf == std::string::npos) return std::nullopt;
    std::string line = received.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    received.erase(0, lf + 1);
    return line;
}

bool IsTrueReply(std::string_view line) { return line == kTrueReply; }

std::string BigEndianInt(std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    return {static_cast<char>(u >> 24), static_cast<char>(u >> 16), static_cast<char>(u >> 8), static_cast<char>(u)};
}

std::int32_t ReadBigEndianInt(const char* bytes) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u = (u << 8) | static_cast<unsigned char>(bytes[i]);
    return static_cast<std::int32_t>(u);
}

std::optional<RequestParts> ParseRequestLine(std::string_view line) {
    if (line.size() < 4 || line[3] != ':') return std::nullopt;
    RequestParts parts;
    parts.command = std::string(line.substr(0, 4));
    std::string_view rest = line.substr(4);
    for (size_t hash; (hash = rest.find('#')) != std::string_view::npos; rest.remove_prefix(hash + 1))
        parts.fields.emplace_back(rest.substr(0, hash));
    if (!rest.empty()) return std::nullopt;
    return parts;
}

namespace {

constexpr size_t kTail = 15;  // the fields after the title, Kind first
// The id and the title travel as one piece ("id#title#") cut to this many characters.
constexpr size_t kIdAndTitlePiece = 255;

// The record of an id, a title and the fifteen fields after them, beginning at `t` of `f`.
std::optional<CW_Info> RecordOf(const std::string& id, const std::string& title, const std::vector<std::string>& f,
                                size_t t) {
    constexpr long long kByte = 255, kInt32Low = std::numeric_limits<std::int32_t>::min(),
                        kInt32High = std::numeric_limits<std::int32_t>::max();
    const auto kind = Number(f[t], 0, kByte), key = Number(f[t + 1], 0, kByte), level = Number(f[t + 2], 0, kByte),
               result = Number(f[t + 4], 0, 100), doneCount = Number(f[t + 5], 0, kInt32High),
               completed = Number(f[t + 6], 0, kByte), reserved2 = Number(f[t + 9], kInt32Low, kInt32High),
               reserved3 = Number(f[t + 10], kInt32Low, kInt32High), lessonMode = Number(f[t + 13], 0, kByte);
    if (!kind || !key || !level || !result || !doneCount || !completed || !reserved2 || !reserved3 || !lessonMode)
        return std::nullopt;
    DayNumber date = 0;
    if (f[t + 3].size() != 10 || !ParseDateTime(f[t + 3], date)) return std::nullopt;
    // A learner's result is not refused for a time that cannot be read: it keeps its day.
    const DayNumber time = TimeOfDay(f[t + 11]).value_or(0);

    CW_Info r;
    r.Id = id.substr(0, kIdCapacity);
    r.Title = title.substr(0, kTitleCapacity);
    r.Kind = static_cast<std::uint8_t>(*kind);
    r.Key = static_cast<std::uint8_t>(*key);
    r.Level = static_cast<std::uint8_t>(*level);
    r.LastDone = CombineDateTime(date, time);
    r.Result = static_cast<std::uint8_t>(*result);
    r.DoneCount = static_cast<std::int32_t>(*doneCount);
    r.Completed = static_cast<std::uint8_t>(*completed);
    r.LessonCode = f[t + 7].substr(0, kLessonCodeCapacity);
    r.Reserved1 = f[t + 8].substr(0, kReserved1Capacity);
    r.Reserved2 = static_cast<std::int32_t>(*reserved2);
    r.Reserved3 = static_cast<std::int32_t>(*reserved3);
    r.TimeDone = TimeOnly(r.LastDone);  // as the program takes the time of day
    r.LessonName = f[t + 12].substr(0, kLessonNameCapacity);
    r.LessonMode = static_cast<std::uint8_t>(*lessonMode);
    r.LessonTag = f[t + 14].substr(0, kLessonTagCapacity);
    return r;
}

std::string Joined(const std::vector<std::string>& f, size_t from, size_t to) {
    std::string text;
    for (size_t i = from; i < to; ++i) text += (i > from ? "#" : "") + f[i];
    return text;
}

}  // namespace

std::optional<CW_Info> ParseRecordFields(const std::vector<std::string>& f) {
    if (f.size() >= 2 + kTail) {
        const size_t t = f.size() - kTail;  // the first field after the title
        if (auto record = RecordOf(f[0], Joined(f, 1, t), f, t)) return record;
    }
    // A program that cuts the piece of id and title to its length without keeping its closing
    // "#" runs the title into Kind: what follows the piece is Kind, the rest is as always.
    if (f.size() < 1 + kTail) return std::nullopt;
    const size_t merged = f.size() - kTail;  // the field the title and Kind share
    const std::string piece = Joined(f, 0, merged + 1);
    if (piece.size() <= kIdAndTitlePiece || f[0].size() >= kIdAndTitlePiece) return std::nullopt;
    std::vector<std::string> tail(f.begin() + static_cast<std::ptrdiff_t>(merged), f.end());
    tail[0] = piece.substr(kIdAndTitlePiece);
    return RecordOf(f[0], piece.substr(f[0].size() + 1, kIdAndTitlePiece - f[0].size() - 1), tail, 0);
}

std::string LoginReplyLine(const LoginReply& reply) {
    const char* result = reply.outcome == LoginOutcome::WrongCredentials ? "0"
                         : reply.outcome == LoginOutcome::NoAccess       ? "2"
                                                                         : "1";
    return ReplyLine(std::string(result) + "#" + (reply.serverHasResults ? "1" : "0") + "#" +
                     std::to_string(reply.field3) + "#" + std::to_string(reply.field4) + "#" +
                     std::to_string(reply.typingAllowed) + "#" + std::to_string(reply.field6) + "#");
}

std::string ReplyLine(std::string_view text) { return std::string(text) + "\r\n"; }

}  // namespace quillan::classroom
