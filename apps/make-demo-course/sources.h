#pragma once

// The readable sources of the demo course: every file under demo/files (UTF-8, LF line ends),
// keyed by its installation path in the program's Windows style, and the spoken texts under
// demo/speech ("media/Teksty_wav/1.txt" is read aloud into "media\Teksty_wav\1.wav") and the
// slides of the videos under demo/video ("Teksty_mpg_r/3.txt" becomes "Teksty_mpg_r\3.mpg").

#include <filesystem>
#include <map>
#include <string>

namespace demo {

class Installation;

struct CourseSources {
    std::map<std::string, std::string> files;   // "Lang_r\0\infa_r.txt" -> content
    std::map<std::string, std::string> speech;  // "media\Teksty_wav\1.wav" -> text to speak
    std::map<std::string, std::string> videos;  // "Teksty_mpg_r\3.mpg" -> its slides
};

CourseSources ReadSources(const std::filesystem::path& demoDir);

// Writes every source file: course and interface texts in Windows-1250 with CR LF, help pages
// and style sheets in UTF-8 with CR LF, anything else byte for byte.
void WriteSources(Installation& installation, const CourseSources& sources);

// "a/b/c.txt" -> "a\b\c.txt"
std::string WindowsStyle(const std::filesystem::path& relative);

}  // namespace demo
