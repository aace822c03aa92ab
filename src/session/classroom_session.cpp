#include "session/classroom_session.h"

#include "classroom/classroom_client.h"
#include "classroom/classroom_messages.h"
#include "course/load_course.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "progress/exercise_table.h"
#include "session/learner_session.h"
#include "session/unsent_results.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

using classroom::ClassroomClient;

ClassroomClient ClientOf(AppContext& ctx) {
    return ClassroomClient(*ctx.services.classroomLink, ctx.startup.ServerHost);
}

// The results file of a new learner: his exercise table built from the course, saved and sent.
void UploadNewTable(AppContext& ctx, ClassroomClient& client, const classroom::Identity& who,
                    const std::string& path) {
    Messages& messages = *ctx.services.messages;
    ResultsTable fresh;
    fresh.file.path = path;
    BuildTableWithinLimit(ctx, fresh);
    SaveResults(fresh);
    const auto bytes = ReadFileIfExists(path);
    if (!bytes) {
        messages.Show(classroom::NoLocalResultsMessage());
        return;
    }
    if (std::string problem = client.Upload(who, *bytes); !problem.empty()) messages.Show(problem);
}

// Sends the learner's results that did not get to the server before.
void SendUnsent(ClassroomClient& client, const classroom::Identity& who, const std::string& path) {
    SendUnsentResults(path, [&](const CW_Info& record) { return client.RecordResult(who, record).reached; });
}

// The learner's results as the server keeps them, written over the local file.
bool DownloadTable(AppContext& ctx, ClassroomClient& client, const classroom::Identity& who, const std::string& path) {
    const ClassroomClient::Download download = client.DownloadResults(who);
    bool ok = download.ok;
    if (ok) {
        try {
            WriteFileAtomically(path, download.bytes);
        } catch (const std::exception&) {
            ok = false;
        }
    }
    if (!ok) ctx.services.messages->Show(classroom::DownloadErrorMessage());
    return ok;
}

}  // namespace

std::string ClassroomResultsDirectory(const StartupState& state) { return state.LearnerDataDir + "0_tmp\\"; }

bool ClassroomSignIn(AppContext& ctx, std::string_view typedUser, std::string_view typedPassword) {
    Messages& messages = *ctx.services.messages;
    const classroom::Identity who{Trim(typedUser), Trim(typedPassword), ctx.startup.CourseFileId};
    if (who.user.empty()) {
        messages.Show(classroom::NoUserNameMessage());
        return false;
    }
    if (who.password.empty()) {
        messages.Show(classroom::NoPasswordMessage());
        return false;
    }
    ClassroomClient client = ClientOf(ctx);
    const ClassroomClient::Login login = client.LogIn(who);
    if (!login.loggedIn) {
        messages.Show(login.message);
        return false;
    }

    const std::string directory = ClassroomResultsDirectory(ctx.startup);
    try {
        if (!DirectoryExists(directory)) MakeDirectories(directory);
    } catch (const std::exception& error) {
        messages.Error(error.what());
        return false;
    }
    const std::string path = ResultsPath(directory, ctx.startup.CourseFileId);
    // Results of an earlier lesson that the server could not be reached for go first, since the
    // download below is written over the local results; any still unsent stay kept for later.
    try {
        SendUnsent(client, who, UnsentResultsPath(directory, who.user));
    } catch (const std::exception& error) {
        messages.Error(error.what());
    }
    if (login.reply.serverHasResults) {
        if (!DownloadTable(ctx, client, who, path)) return false;
    } else {
        UploadNewTable(ctx, client, who, path);
    }

    const ClassroomClient::UserRecord user = client.GetUserRecord(who);
    if (!user.message.empty()) messages.Show(user.message);
    const ClassroomClient::Lessons lessons = client.GetLessons(who);
    if (!lessons.message.empty()) messages.Show(lessons.message);
    if (lessons.reply.assignments.empty() && !classroom::WholeCourseAllowed(user.bytes) &&
        !ctx.startup.LocalFallbackAllowed) {
        messages.Show(classroom::NoLessonsMessage());
        return false;
    }

    const DayNumber now = ctx.services.clock->Now();
    ResultsTable results;
    LoadResults(results, path, now);
    if (std::string problem = LoadProblemMessage(results.file, "wyników", "rekordów", kMaxResults); !problem.empty())
        messages.Warn(problem);
    if (!results.file.SaveAllowed()) return false;
    try {
        for (const classroom::TeacherLesson& lesson : lessons.reply.lessons)
            for (const classroom::LessonExercise& exercise : lesson.exercises)
                AddOpenExerciseRecord(results, now, exercise.reference, exercise.name);
    } catch (const TableFullError& full) {
        messages.Warn(full.what());
    }
    SaveResults(results);

    // The settings of the classroom directory, read again rather than kept from whoever signed in
    // before (a local learner's own); the repetitions are not read in classroom work, but the
    // exercise windows keep them in this directory.
    const Settings settings = LoadLearnerSettings(ctx, directory, ctx.newLearnerLanguage);
    RepetitionList repetitions;
    repetitions.file.path = RepetitionsPath(directory, ctx.startup.CourseFileId);

    ctx.startup.ResultsDirectory = directory;
    ctx.startup.ClassroomMode = 1;
    ctx.classroom = {who, login.reply, user.bytes};
    ctx.learner.loginName = who.user;
    ctx.learner.results = std::move(results);
    ctx.learner.repetitions = std::move(repetitions);
    ctx.learner.settings = settings;
    UseLearnersLanguage(ctx);
    return true;
}

void SendRecordedResult(AppContext& ctx, const CW_Info& record) {
    if (!ctx.services.classroomLink) return;
    ClassroomClient client = ClientOf(ctx);
    const classroom::Identity& who = ctx.classroom.identity;
    const std::string unsent = UnsentResultsPath(ClassroomResultsDirectory(ctx.startup), who.user);
    const ClassroomClient::Recorded sent = client.RecordResult(who, record);
    if (!sent.message.empty()) ctx.services.messages->Show(sent.message);
    try {
        if (sent.reached)
            SendUnsent(client, who, unsent);
        else
            KeepUnsentResult(unsent, record);
    } catch (const std::exception& error) {
        ctx.services.messages->Error(error.what());
    }
}

bool ChangeClassroomPassword(AppContext& ctx, std::string_view user, std::string_view password,
                             std::string_view newPassword, std::string_view repeated) {
    Messages& messages = *ctx.services.messages;
    const std::string u = Trim(user), p = Trim(password), n = Trim(newPassword), r = Trim(repeated);
    const std::string problem = u.empty()   ? classroom::NoUserNameMessage()
                                : p.empty() ? classroom::NoPasswordMessage()
                                : n.empty() ? classroom::NoNewPasswordMessage()
                                : r.empty() ? classroom::NoRepeatedPasswordMessage()
                                : n != r    ? classroom::PasswordsDifferMessage()
                                            : std::string();
    if (!problem.empty()) {
        messages.Show(problem);
        return false;
    }
    messages.Show(ClientOf(ctx).ChangePassword(u, p, n));
    return true;
}

}  // namespace quillan
