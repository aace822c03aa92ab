#include "videos.h"

#include <sndfile.h>

#include <QFile>
#include <QFontMetricsF>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

#include "installation.h"
#include "source_text.h"
#include "sources.h"
#include "style.h"

namespace demo {
namespace {

constexpr int kWidth = 320;  // fits the media window's video panel (334 x 251)
constexpr int kHeight = 240;

struct Slide {
    Glyph glyph = Glyph::Film;
    std::string title;
    std::vector<std::string> lines;
};

Glyph GlyphNamed(const std::string& name) {
    static const std::map<std::string, Glyph> glyphs = {
        {"Conversation", Glyph::Conversation}, {"Clipboard", Glyph::Clipboard}, {"Exclamation", Glyph::Exclamation},
        {"Calendar", Glyph::Calendar},         {"Envelope", Glyph::Envelope},   {"Document", Glyph::Document},
        {"Users", Glyph::Users},               {"Globe", Glyph::Globe},         {"Check", Glyph::Check},
        {"Percent", Glyph::Percent},           {"Film", Glyph::Film},
    };
    const auto it = glyphs.find(name);
    if (it == glyphs.end()) throw std::runtime_error("slides: unknown glyph [" + name + "]");
    return it->second;
}

// Slides are separated by empty lines; "#" starts a comment line.
std::vector<Slide> ParseSlides(const std::string& text) {
    std::vector<Slide> slides;
    Slide slide;
    bool open = false;
    auto close = [&] {
        if (open) slides.push_back(slide);
        slide = Slide{};
        open = false;
    };
    for (const std::string& raw : Lines(text)) {
        const std::string line = Trim(raw);
        if (line.rfind('#', 0) == 0) continue;
        if (line.empty()) {
            close();
        } else if (!open && line.front() == '[' && line.back() == ']') {
            slide.glyph = GlyphNamed(line.substr(1, line.size() - 2));
        } else if (!open) {
            slide.title = line;
            open = true;
        } else {
            slide.lines.push_back(line);
        }
    }
    close();
    return slides;
}

QImage PaintSlide(const Slide& slide, int number) {
    QImage image = Blank(kWidth, kHeight);
    QPainter p(&image);
    Smooth(p);
    PaintBackdrop(p, image.rect(), number, number + 7);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kNavy);
    p.drawRect(QRectF(0, 0, kWidth, 40));
    PaintText(p, QRectF(14, 0, kWidth - 28, 40), QString::fromStdString(slide.title), Face(17, true), palette::kWhite,
              Qt::AlignLeft | Qt::AlignVCenter);
    p.setBrush(palette::kAmber);
    p.drawRect(QRectF(0, 40, kWidth, 3));
    PaintCard(p, QRectF(12, 56, kWidth - 24, kHeight - 70), 10);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::kIce);
    p.drawEllipse(QRectF(24, 70, 64, 64));
    DrawGlyph(p, slide.glyph, QRectF(36, 82, 40, 40), palette::kBlue, 1.1);
    qreal y = 66;
    for (const std::string& line : slide.lines) {
        const QRectF box(100, y, kWidth - 124, 200);
        const QFont font = Face(14, &line == &slide.lines.front());
        QFontMetricsF metrics(font);
        const QRectF used = metrics.boundingRect(box, Qt::TextWordWrap, QString::fromStdString(line));
        PaintText(p, box, QString::fromStdString(line), font, palette::kText, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        y += used.height() + 8;
    }
    return image;
}

// The start of every slide in seconds: 0, then the bookmarks of the text (header fields 8 to 10).
std::vector<double> SlideStarts(const CourseSources& sources, const std::string& textNumber) {
    std::vector<double> starts = {0};
    for (const TextExerciseSource& exercise : TextExerciseSources(sources)) {
        if (exercise.header.size() < 10 || Trim(exercise.header[1]) != textNumber) continue;
        for (size_t field = 7; field <= 9; ++field)
            if (!Trim(exercise.header[field]).empty()) starts.push_back(Number(exercise.header[field]));
        break;
    }
    return starts;
}

double SecondsOf(const std::string& wavPath) {
    SF_INFO info{};
    SNDFILE* sound = sf_open(wavPath.c_str(), SFM_READ, &info);
    if (!sound) throw std::runtime_error("video: cannot read the narration " + wavPath);
    sf_close(sound);
    return double(info.frames) / info.samplerate;
}

void MakeVideo(Installation& installation, const QString& ffmpeg, const std::string& path, const std::string& slidesText,
               const CourseSources& sources) {
    const size_t slash = path.rfind('\\');
    const std::string number = path.substr(slash + 1, path.size() - slash - 5);  // "Teksty_mpg_r\3.mpg" -> "3"
    const std::vector<Slide> slides = ParseSlides(slidesText);
    const std::vector<double> starts = SlideStarts(sources, number);
    if (slides.size() != starts.size())
        throw std::runtime_error("video " + path + ": " + std::to_string(slides.size()) + " slides for " +
                                 std::to_string(starts.size()) + " bookmarks of text " + number);
    const std::string narration = "media\\Teksty_wav\\" + number + ".wav";
    if (!installation.Exists(narration)) throw std::runtime_error("video " + path + ": no narration " + narration);
    const double length = SecondsOf(installation.NativeFile(narration));

    QTemporaryDir work;
    if (!work.isValid()) throw std::runtime_error("video: no temporary folder");
    QString list;
    for (size_t i = 0; i < slides.size(); ++i) {
        const QString picture = work.filePath(QString("slide%1.png").arg(i + 1));
        if (!PaintSlide(slides[i], static_cast<int>(i)).save(picture)) throw std::runtime_error("video: cannot save a slide");
        const double end = i + 1 < starts.size() ? starts[i + 1] : length + 1;  // the last picture outlasts the sound
        list += QString("file '%1'\nduration %2\n").arg(picture).arg(std::max(0.5, end - starts[i]), 0, 'f', 2);
        if (i + 1 == slides.size()) list += QString("file '%1'\n").arg(picture);  // the last picture is named twice
    }
    QFile listFile(work.filePath("slides.txt"));
    if (!listFile.open(QIODevice::WriteOnly) || listFile.write(list.toUtf8()) < 0) throw std::runtime_error("video: cannot write the slide list");
    listFile.close();

    const QString output = work.filePath("video.mpg");
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ffmpeg, {"-y", "-loglevel", "error", "-f", "concat", "-safe", "0", "-i", listFile.fileName(), "-i",
                           QString::fromStdString(installation.NativeFile(narration)), "-r", "25", "-pix_fmt", "yuv420p",
                           "-c:v", "mpeg1video", "-q:v", "3", "-c:a", "mp2", "-b:a", "128k", "-ar", "44100", "-t", QString::number(length, 'f', 2),
                           "-f", "mpeg", output});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw std::runtime_error("video " + path + ": ffmpeg failed: " + process.readAll().toStdString());
    QFile video(output);
    if (!video.open(QIODevice::ReadOnly)) throw std::runtime_error("video " + path + ": ffmpeg wrote nothing");
    const QByteArray bytes = video.readAll();
    installation.WriteBytes(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    installation.Count("video");
}

}  // namespace

VideoReport WriteVideos(Installation& installation, const CourseSources& sources) {
    VideoReport report;
    if (sources.videos.empty()) return report;
    const QString ffmpeg = QStandardPaths::findExecutable("ffmpeg");
    if (ffmpeg.isEmpty()) {
        report.skipped = "ffmpeg not found";
        return report;
    }
    for (const auto& [path, slides] : sources.videos) {
        MakeVideo(installation, ffmpeg, path, slides, sources);
        ++report.made;
    }
    return report;
}

}  // namespace demo
