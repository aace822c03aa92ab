#pragma once

#include <string>

#include "context/startup_state.h"
#include "platform/day_date.h"
#include "progress/results_store.h"
#include "platform/line_reader.h"
#include "platform/messages.h"

namespace quillan {

// The installation files read at start: "pr55.ini", "prof_r.txt", "be.ini" and "dd.t".

// The media directory of "pr55.ini": line 2 after its three key characters, untrimmed, with a
// backslash added when missing (a bare drive "D:" gives "D:\"). A file of one line gives that
// line. The path is returned as written (relative paths are not resolved here).
std::string ReadMediaDir(LineReader& pr55);

// Fills AppTitle, CourseVariant and DictionaryTitle from "prof_r.txt". Lines 2, 3 and 6 must
// be numbers; a non-number throws ConversionError.
void ReadProfile(LineReader& profile, StartupState& state);

// Sets ProgramDir (absolute: a relative `programDir` is taken from the current directory; a
// separator added when missing), makes it the current directory, and reads
// "pr55.ini" and "prof_r.txt". A media directory written as a relative path is taken from
// ProgramDir. Shows the installation's messages; false when the program must stop (a file is
// missing). A non-numeric "prof_r.txt" line throws ConversionError.
bool ResolveInstallation(StartupState& state, const std::string& programDir, Messages& messages);

// "be.ini" present: English interface (LangIndex 1) that the learner cannot change.
void ChooseInterfaceLanguage(StartupState& state);

// -1 for local work when "dd.t" is missing; otherwise reads ServerHost and
// LocalFallbackAllowed from it and gives 1.
int ReadClassroomConfig(StartupState& state);

// The program needs a screen of at least 800 x 600.
bool ScreenLargeEnough(int width, int height);

// The table a new learner of the installation in `programDir` gets, as the program builds it:
// "prof_r.txt" read, the course loaded with the sections of interface language `lang` (-1: the
// installation's own, 1 with "be.ini", else 0); what loading tells the learner goes to
// `messages`. Throws what loading and building throw; a missing "prof_r.txt" throws FileError.
ResultsTable InstallationExerciseTable(const std::string& programDir, DayNumber now, Messages& messages,
                                       int lang = -1);

// The installation's fixed messages (Windows-1250).
std::string MissingPr55Message();
std::string MissingProfileMessage();
std::string ScreenTooSmallMessage();
std::string NoDirectoryMessage();
// For an installation directory whose name has characters Windows-1250 cannot hold (shown as
// '?' in `directory`).
std::string UnusableDirectoryNameMessage(const std::string& directory);

}  // namespace quillan
