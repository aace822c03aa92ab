#include "app/installation.h"

#include "course/load_course.h"
#include "course/problems.h"
#include "platform/cp1250.h"
#include "platform/errors.h"
#include "progress/exercise_table.h"
#include "platform/paths.h"
#include "text/text_utils.h"

namespace quillan {

std::string MissingPr55Message() {
    return Utf8ToCp1250("Brak plików systemowych, proszę powtórzyć instalację programu!");
}
std::string MissingProfileMessage() { return Utf8ToCp1250("Brak plików systemowych programu!"); }
std::string ScreenTooSmallMessage() {
    return Utf8ToCp1250("Program należy uruchamiać minimalnej w rozdzielczości 800x600.");
}
std::string NoDirectoryMessage() { return "Cannot find directory"; }

std::string UnusableDirectoryNameMessage(const std::string& directory) {
    return Utf8ToCp1250("Nazwa katalogu kursu ma znaki, których program nie obsługuje:\n") + directory +
           Utf8ToCp1250("\nPrzenieś kurs do katalogu o innej nazwie.");
}

std::string ReadMediaDir(LineReader& pr55) {
    std::string line = pr55.ReadLine();
    if (!pr55.Eof()) line = pr55.ReadLine();
    std::string path = Copy(line, 4, static_cast<int>(line.size()));
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

void ReadProfile(LineReader& profile, StartupState& state) {
    // Each line is read only while the file lasts; the lines after the end keep their defaults.
    for (int line = 1; line <= 9 && !profile.Eof(); ++line) {
        const std::string text = profile.ReadLine();
        switch (line) {
            case 1: state.AppTitle = text; break;
            case 2: state.CourseVariant = IntOfTrimmed(text); if (state.CourseVariant == 0) state.CourseVariant = 1; break;
            case 3: IntOfTrimmed(text); break;  // checked, without effect
            case 6: IntOfTrimmed(text); break;  // checked, not used
            case 8: state.DictionaryTitle = Trim(text); break;
            default: break;                     // lines 4, 5, 7 and 9 are not used
        }
    }
}

bool ResolveInstallation(StartupState& state, const std::string& programDir, Messages& messages) {
    // Taken as absolute before the current directory changes, so that a relative argument
    // names the same directory afterwards.
    state.ProgramDir = WithTrailingSeparator(AbsolutePath(programDir));
    state.LearnerDataDir = state.ProgramDir;
    if (!ChangeDirectory(state.ProgramDir)) messages.Warn(NoDirectoryMessage());

    auto pr55 = LineReader::OpenIfExists(state.ProgramDir + "pr55.ini");
    if (!pr55) {
        messages.Show(MissingPr55Message());
        return false;
    }
    state.MediaDir = ReadMediaDir(*pr55);
    if (!IsAbsolutePath(state.MediaDir)) state.MediaDir = state.ProgramDir + state.MediaDir;
    state.BsgramDir = state.MediaDir + "bsgram\\";

    auto profile = LineReader::OpenIfExists(state.ProgramDir + "prof_r.txt");
    if (!profile) {
        messages.Show(MissingProfileMessage());
        return false;
    }
    ReadProfile(*profile, state);
    state.InterfaceFont = "Verdana";
    state.InterfaceCharset = 238;
    return true;
}

void ChooseInterfaceLanguage(StartupState& state) {
    state.EnglishOnly = FileExists(state.ProgramDir + "be.ini");
    SetLanguage(state, state.EnglishOnly ? 1 : 0);
}

int ReadClassroomConfig(StartupState& state) {
    state.ServerHost.clear();
    state.LocalFallbackAllowed = false;
    auto config = LineReader::OpenIfExists(state.ProgramDir + "dd.t");
    if (!config) return -1;
    state.ServerHost = config->ReadLine();
    state.LocalFallbackAllowed = config->ReadLine() == "1";
    return 1;
}

bool ScreenLargeEnough(int width, int height) { return width >= 800 && height >= 600; }

ResultsTable InstallationExerciseTable(const std::string& programDir, DayNumber now, Messages& messages, int lang) {
    StartupState state;
    state.ProgramDir = WithTrailingSeparator(programDir);
    std::optional<LineReader> profile = LineReader::OpenIfExists(state.ProgramDir + "prof_r.txt");
    if (!profile) throw FileError(MissingProfileMessage());
    ReadProfile(*profile, state);
    ChooseInterfaceLanguage(state);
    if (lang >= 0) SetLanguage(state, lang);
    Course course;
    Problems problems;
    LoadCourseData(state, course, problems, &messages);
    ResultsTable table;
    BuildExerciseTable(table, course, state, now);
    return table;
}

}  // namespace quillan
