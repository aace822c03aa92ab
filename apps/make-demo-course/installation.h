#pragma once

// Writes the files of an installation. Paths are given as the program names them: relative to
// the installation directory, Windows style ("Lang_r\0\gfx_r\info.bmp"). A folder that already
// exists under another letter case is reused, so "Gfx_r" and "gfx_r" end up as one folder.

#include <QImage>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace demo {

class Installation {
public:
    explicit Installation(std::string rootUtf8);

    const std::string& Root() const { return root_; }

    // The text as the program reads it: UTF-8 becomes Windows-1250, line ends become CR LF.
    void WriteText(const std::string& path, std::string_view utf8);
    // An HTML page or style sheet: stays UTF-8 (the pages say so), line ends become CR LF.
    void WriteHtml(const std::string& path, std::string_view utf8);
    // A picture; the format follows the extension (".bmp" 24-bit, ".jpg" quality 92, ".png" with alpha).
    void WriteImage(const std::string& path, const QImage& image);
    void WriteBytes(const std::string& path, std::string_view bytes);

    // The real path of an installation file (UTF-8), for tools that write files themselves.
    std::string NativeFile(const std::string& path);

    bool Exists(const std::string& path) const;

    // Ends the writing: files that an earlier run wrote here and this run did not (an earlier
    // large installation's word list, say) are removed, and the list of this run's files is
    // kept for the next. Files the generator never wrote, such as learners' data, stay.
    void Finish();

    // Files written so far, by kind ("text", "html", "picture", "sound", "other").
    void Count(const std::string& kind) { ++counts_[kind]; }
    const std::map<std::string, int>& Counts() const { return counts_; }

private:
    std::string WindowsPath(const std::string& path) const;

    std::string root_;
    std::map<std::string, int> counts_;
    std::set<std::string> written_;  // installation paths, Windows style
};

// UTF-8 with LF line ends -> CR LF (any CR already there is dropped first).
std::string WithCrLf(std::string_view text);

}  // namespace demo
