// Builds the demo installation: the readable sources under demo/files (UTF-8, LF line ends)
// become the files the program reads (Windows-1250, CR LF).

#include <filesystem>
#include <iostream>
#include <set>
#include <string>

#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace fs = std::filesystem;

namespace {

// Text files of the installation, by extension; everything else is copied as it is.
bool IsTextFile(const fs::path& path) {
    static const std::set<std::string> text = {".txt", ".ini", ".t", ".vrk", ".zdn", ".zdd", ".fre", ".fcs", ".htm", ".html", ".css"};
    std::string ext = path.extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text.count(ext) > 0;
}

// UTF-8 with LF line ends -> Windows-1250 with CR LF. HTML pages keep UTF-8: they say so in
// their own header and the help windows read them as such.
std::string ToInstallationText(const fs::path& path, const std::string& utf8) {
    std::string ext = path.extension().string();
    const bool html = ext == ".htm" || ext == ".html" || ext == ".css";
    std::string text = html ? utf8 : quillan::Utf8ToCp1250(utf8);
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        if (c != '\r') out += c;
    }
    return out;
}

int Usage(std::ostream& out, int status) {
    out << "usage: make-demo-course OUTDIR [--source DIR]\n"
           "Writes the demo installation of Quillan - Business English into OUTDIR.\n";
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    std::string outDir, sourceDir = QUILLAN_DEMO_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") return Usage(std::cout, 0);
        if (arg == "--source" && i + 1 < argc)
            sourceDir = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && outDir.empty())
            outDir = arg;
        else
            return Usage(std::cerr, 2);
    }
    if (outDir.empty()) return Usage(std::cerr, 2);

    const fs::path source = fs::path(sourceDir) / "files";
    if (!fs::is_directory(source)) {
        std::cerr << "make-demo-course: no demo sources in " << source << "\n";
        return 1;
    }
    try {
        fs::create_directories(outDir);
        for (const auto& entry : fs::recursive_directory_iterator(source)) {
            const fs::path target = fs::path(outDir) / fs::relative(entry.path(), source);
            if (entry.is_directory()) {
                fs::create_directories(target);
                continue;
            }
            // The platform layer takes the program's own Windows-1250 paths.
            const std::string bytes = quillan::ReadWholeFile(quillan::Utf8ToCp1250(entry.path().string()));
            quillan::WriteFileAtomically(quillan::Utf8ToCp1250(target.string()),
                                         IsTextFile(entry.path()) ? ToInstallationText(entry.path(), bytes) : bytes);
        }
    } catch (const std::exception& error) {
        std::cerr << "make-demo-course: " << error.what() << "\n";
        return 1;
    }
    std::cout << "Demo installation written to " << outDir << "\n";
    return 0;
}
