// make-demo-course OUTDIR [--large] [--source DIR]
//
// Writes the demo installation of Quillan - Business English: the readable course and
// interface sources under demo/files (UTF-8, LF) become the files the program reads
// (Windows-1250, CR LF), and the pictures, button strips and sounds are made here.

#include <QElapsedTimer>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <string>

#include "installation.h"
#include "large_course.h"
#include "pictures.h"
#include "sounds.h"
#include "sources.h"
#include "videos.h"

namespace {

int Usage(std::ostream& out, int status) {
    out << "usage: make-demo-course OUTDIR [--large] [--source DIR]\n"
           "Writes the demo installation of Quillan - Business English into OUTDIR.\n"
           "  --large       fill the course tables to the limits of the data model (for benchmarks)\n"
           "  --source DIR  read the demo sources from DIR instead of the project's demo/\n";
    return status;
}

// Qt's notes about the session (no runtime directory and the like) mean nothing to a tool that
// only paints pictures; warnings about the work itself still go to stderr.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || message.contains("XDG_RUNTIME_DIR")) return;
    std::cerr << message.toStdString() << "\n";
}

struct Options {
    std::string outDir;
    std::string sourceDir = QUILLAN_DEMO_DIR;
    bool large = false;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--large")
            options.large = true;
        else if (arg == "--source" && i + 1 < argc)
            options.sourceDir = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && options.outDir.empty())
            options.outDir = arg;
        else
            return false;
    }
    return !options.outDir.empty();
}

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--help" || std::string(argv[i]) == "-h") return Usage(std::cout, 0);
    Options options;
    if (!ParseOptions(argc, argv, options)) return Usage(std::cerr, 2);

    // The pictures are painted off screen; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);

    QElapsedTimer clock;
    clock.start();
    try {
        demo::Installation installation(options.outDir);
        demo::CourseSources sources = demo::ReadSources(std::filesystem::path(options.sourceDir));
        // The recordings are made for the demo course only; the bulk of a large installation
        // exists to be loaded, not listened to.
        const demo::CourseSources spoken = sources;
        if (options.large) demo::AddLargeCourse(sources);
        demo::WriteSources(installation, sources);
        demo::WriteButtonStrips(installation);
        demo::WriteWindowPictures(installation);
        demo::WriteMainMenuPictures(installation);
        demo::WritePrintoutPictures(installation);
        demo::WriteMediaPictures(installation, spoken);
        const demo::SoundReport sounds = demo::WriteSounds(installation, spoken);
        const demo::VideoReport videos = demo::WriteVideos(installation, spoken);
        installation.Finish();

        std::cout << "Demo installation written to " << options.outDir << " in " << clock.elapsed() << " ms:";
        for (const auto& [kind, count] : installation.Counts()) std::cout << " " << count << " " << kind;
        std::cout << "\n";
        std::cout << "Sounds: " << sounds.tones << " tones, " << sounds.spoken << " recordings spoken";
        if (sounds.standIns > 0) std::cout << ", " << sounds.standIns << " tones standing in (espeak-ng " << sounds.why << ")";
        std::cout << "\n";
        std::cout << "Videos: " << videos.made << " made";
        if (!videos.skipped.empty()) std::cout << " (" << videos.skipped << ": the texts keep their pages)";
        std::cout << "\n";
    } catch (const std::exception& error) {
        std::cerr << "make-demo-course: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
