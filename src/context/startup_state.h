#pragma once

#include <string>

namespace quillan {

// What start-up finds out about the installation; read everywhere afterwards. Paths are
// Windows-style and end in a separator; texts are Windows-1250.
struct StartupState {
    std::string ProgramDir;        // the installation directory
    std::string ExecutableDir;     // the directory of the running program file (the same unless
                                   // the installation was named on the command line)
    std::string MediaDir;          // recorded sound, pictures and video, from "pr55.ini"
    std::string BsgramDir;         // MediaDir + "bsgram\"
    std::string LearnerDataDir;    // where "usr.t" and the learners' directories lie: ProgramDir,
                                   // or the user's own data directory when the installation
                                   // is not his to write
    std::string ResultsDirectory;  // the signed-in learner's directory; empty until sign-in
    int LangIndex = 0;             // interface language: 0 Polish, 1 English
    std::string LangDir = "Lang_r\\0\\";
    std::string AppTitle;          // line 1 of "prof_r.txt"
    int CourseVariant = 1;
    std::string CourseLetter = "a";         // the course letter in data file names
    std::string CourseFileId = "qlr2_55";   // the learner's results file name
    int ClassroomMode = -1;                 // 1 classroom work, -1 local work
    std::string ServerHost;                 // line 1 of "dd.t"
    bool LocalFallbackAllowed = false;      // line 2 of "dd.t" is "1"
    std::string DictionaryTitle;            // line 8 of "prof_r.txt"
    bool EnglishOnly = false;               // "be.ini" is present
    std::string InterfaceFont = "Verdana";
    int InterfaceCharset = 238;             // Central European
};

// Sets LangIndex and LangDir ("Lang_r\" + index + "\") together.
void SetLanguage(StartupState& state, int langIndex);

}  // namespace quillan
