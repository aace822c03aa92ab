#include "installation.h"

#include <QBuffer>
#include <QByteArray>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace demo {

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

Installation::Installation(std::string rootUtf8) : root_(std::move(rootUtf8)) {
    quillan::MakeDirectories(quillan::Utf8ToCp1250(root_));
}

std::string Installation::WindowsPath(const std::string& path) const {
    return quillan::Utf8ToCp1250(root_) + "\\" + path;
}

void Installation::WriteBytes(const std::string& path, std::string_view bytes) {
    // Each file is written beside its place and renamed over it, so a file is either whole or
    // absent. It is not forced to the disk one by one: the installation is made in one go and
    // can always be made again, and a sync per file would make it many times slower.
    const std::string native = NativeFile(path);
    const std::string temp = native + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) throw std::runtime_error("cannot write " + native);
    }
    std::error_code error;
    std::filesystem::rename(temp, native, error);
    if (error) throw std::runtime_error("cannot write " + native + ": " + error.message());
}

void Installation::WriteText(const std::string& path, std::string_view utf8) {
    WriteBytes(path, WithCrLf(quillan::Utf8ToCp1250(utf8)));
    Count("text");
}

void Installation::WriteHtml(const std::string& path, std::string_view utf8) {
    WriteBytes(path, WithCrLf(utf8));
    Count("html");
}

void Installation::WriteImage(const std::string& path, const QImage& image) {
    std::string ext = path.substr(path.rfind('.') + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // BMP and JPEG pictures carry no alpha (button strips mark their transparent parts with a
    // key colour); PNG icons keep theirs.
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    bool ok = false;
    if (ext == "bmp")
        ok = opaque.save(&buffer, "BMP");
    else if (ext == "jpg" || ext == "jpeg")
        ok = opaque.save(&buffer, "JPG", 92);
    else if (ext == "png")
        ok = image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    if (!ok) throw std::runtime_error("cannot encode the picture " + path);
    WriteBytes(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    Count("picture");
}

std::string Installation::NativeFile(const std::string& path) {
    written_.insert(path);
    const std::string windows = WindowsPath(path);
    quillan::MakeDirectories(quillan::DirectoryOf(windows));
    return quillan::NativePath(windows);
}

bool Installation::Exists(const std::string& path) const { return quillan::FileExists(WindowsPath(path)); }

namespace {
const char kManifest[] = ".make-demo-course";  // the files of the last run, one per line
}

void Installation::Finish() {
    std::string previous;
    if (auto bytes = quillan::ReadFileIfExists(WindowsPath(kManifest))) previous = *bytes;
    size_t start = 0;
    while (start < previous.size()) {
        size_t end = previous.find('\n', start);
        if (end == std::string::npos) end = previous.size();
        const std::string path = previous.substr(start, end - start);
        start = end + 1;
        if (!path.empty() && !written_.count(path)) {
            std::error_code ignored;
            std::filesystem::remove(quillan::NativePath(WindowsPath(path)), ignored);
        }
    }
    std::string manifest;
    for (const std::string& path : written_) manifest += path + "\n";
    const std::string native = quillan::NativePath(WindowsPath(kManifest));
    std::ofstream(native, std::ios::binary | std::ios::trunc) << manifest;
}

}  // namespace demo
