// The demo installation that make-demo-course writes: every file the program reads from it
// exists, its course data loads without a problem, its pictures fit their windows and its
// button strips are what the image buttons expect.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/installation.h"
#include "audio/media_window_layout.h"
#include "context/startup_state.h"
#include "course/course.h"
#include "course/load_course.h"
#include "course/problems.h"
#include "exercises/texts/catalog_gap_sentences.h"
#include "exercises/texts/text_exercise_content.h"
#include "exercises/vocab/word_list.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/text_utils.h"

namespace quillan {
namespace {

const std::string kBin = QUILLAN_BINARY_DIR;

struct Result {
    int status = -1;
    std::string output;
};

Result RunTool(const std::string& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QString::fromStdString(program), args);
    Result result;
    if (!process.waitForFinished(180000)) return result;
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAll().toStdString();
    return result;
}

std::string MakeDemo() { return kBin + "/apps/make-demo-course/make-demo-course"; }
std::string CourseTool() { return kBin + "/apps/quillan-course/quillan-course"; }

// One generated installation for all tests of the suite.
class DemoInstallationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new test::TempDir;
        made_ = new Result(RunTool(MakeDemo(), {QString::fromStdString(dir_->Path())}));
    }
    static void TearDownTestSuite() {
        delete made_;
        delete dir_;
    }

    // Installation paths as the program writes them ("Lang_r\0\gfx_r\info.bmp").
    static std::string Windows(const std::string& path) { return Utf8ToCp1250(dir_->Path()) + path; }
    static bool Exists(const std::string& path) { return FileExists(Windows(path)); }
    static QImage Picture(const std::string& path) { return QImage(QString::fromStdString(NativePath(Windows(path)))); }

    // The start-up state of the installation, as the program resolves it.
    static StartupState State(int language) {
        StartupState state;
        test::FakeMessages messages;
        EXPECT_TRUE(ResolveInstallation(state, Utf8ToCp1250(dir_->Path()), messages));
        SetLanguage(state, language);
        return state;
    }

    static test::TempDir* dir_;
    static Result* made_;
};

test::TempDir* DemoInstallationTest::dir_ = nullptr;
Result* DemoInstallationTest::made_ = nullptr;

TEST_F(DemoInstallationTest, IsWrittenAndPassesTheCourseCheckInBothLanguagesWithEveryTableFilled) {
    ASSERT_EQ(made_->status, 0) << made_->output;
    for (const char* language : {"0", "1"}) {
        const Result check = RunTool(CourseTool(), {"check", QString::fromStdString(dir_->Path()), "--lang", language});
        EXPECT_EQ(check.status, 0) << "language " << language << ":\n" << check.output;
        // One line per table, "name count"; a problem would be a line of another shape.
        std::istringstream lines(check.output);
        std::string name;
        int count = -1, tables = 0;
        while (lines >> name >> count) {
            EXPECT_GT(count, 0) << name;
            ++tables;
        }
        EXPECT_TRUE(lines.eof()) << check.output;
        EXPECT_EQ(tables, 16) << check.output;
    }
}

// Every section is a lesson of its own: it has exercises of every family.
TEST_F(DemoInstallationTest, ExerciseTableListsEveryFamilyInEverySection) {
    const Result table = RunTool(CourseTool(), {"exercise-table", QString::fromStdString(dir_->Path())});
    ASSERT_EQ(table.status, 0) << table.output;
    std::map<std::string, std::set<std::string>> families;  // section code -> Id prefixes
    std::set<int> kinds, levels;
    std::istringstream lines(table.output);
    for (std::string line; std::getline(lines, line);) {
        const QJsonObject record = QJsonDocument::fromJson(QByteArray::fromStdString(line)).object();
        ASSERT_FALSE(record.isEmpty()) << line;
        families[record["LessonCode"].toString().toStdString()].insert(record["Id"].toString().left(4).toStdString());
        kinds.insert(record["Kind"].toInt());
        levels.insert(record["Level"].toInt());
    }
    ASSERT_EQ(families.size(), 4u);
    for (const char* section : {"D01", "D02", "D03", "D04"})
        EXPECT_EQ(families[section], (std::set<std::string>{"tek_", "lst_", "rpg_", "zdn_", "zdd_", "cie_", "zda_", "dia_", "slo_", "otw_"}))
            << section;
    for (int kind = 40; kind <= 47; ++kind) EXPECT_TRUE(kinds.count(kind)) << "text exercise kind " << kind;
    for (int kind = 70; kind <= 74; ++kind) EXPECT_TRUE(kinds.count(kind)) << "dialogue variant kind " << kind;
    EXPECT_EQ(levels, (std::set<int>{1, 2, 3, 4}));
}

TEST_F(DemoInstallationTest, HoldsEveryFileTheProgramNames) {
    std::vector<std::string> files = {
        "pr55.ini", "prof_r.txt", "kurs_cwicz.vrk", "kurs_cwicz2.vrk", "St_a.txt", "zda_rozum.txt",
        "rozumienie_a.txt", "rozum_pig.txt", "kurs.zdn", "kurs.zdd", "Listy_r\\index.txt", "otwarte.txt",
        "slowniczek.txt", "ss_r.t", "kurs.fre", "dialogi.txt", "wav_r\\r_open.wav", "zla.wav", "Wav_r\\ok.wav",
        "Wav_r\\no.wav", "but_r\\flaga_1.jpg", "but_r\\flaga_tlum.jpg",
        // Help pages and the printouts' style sheet and icons.
        "Htm_r\\h_index.html", "Htm_r\\h_comp.html", "Htm_r\\h_rep.html", "Htm_r\\h_log.html", "Htm_r\\h_pres.html",
        "Htm_r\\h_pomoc.html", "Htm_r\\h_autorzy.html", "htm_r\\style.css", "htm_r\\ruszone.jpg",
        "htm_r\\ruszonenie.jpg", "htm_r\\1_film.jpg", "htm_r\\2_nagranie.jpg", "htm_r\\3_tekst.jpg",
        "htm_r\\4_dialog_duzy.jpg", "htm_r\\5_letters.jpg", "htm_r\\6_ciekawostka.jpg", "htm_r\\7_slowka.jpg",
        "htm_r\\8_truefalse.jpg", "htm_r\\9_wpisywanie.jpg", "htm_r\\10_pary.jpg", "htm_r\\11_mchoice.jpg",
        "htm_r\\12_ddrop.jpg", "htm_r\\13_NAGRYWANIE.jpg", "htm_r\\14_rozumienie.jpg", "htm_r\\15_wpisywanie.jpg",
        "htm_r\\16_dyktando.jpg", "htm_r\\17_dialog.jpg",
        // Panels and pictures of the installation's own gfx_r.
        "gfx_r\\panel_prawy_teksty_a.bmp", "gfx_r\\pod_pasek.bmp", "gfx_r\\pod_pasek_help.bmp",
        "gfx_r\\panel_dialogi.bmp", "gfx_r\\tlo_listy.jpg", "Gfx_r\\rozum_tlo1.jpg", "Gfx_r\\rozum_tlo2.jpg",
        "Gfx_r\\rozum_tlo3.jpg", "gfx_r\\dialogA.bmp", "gfx_r\\dialogB.bmp", "gfx_r\\dialogC.bmp",
        "gfx_r\\dialogD.bmp", "gfx_r\\dialogE.bmp",
        // The classroom windows read the Polish folder whatever the language.
        "Lang_r\\0\\Gfx_r\\net_logowanie.bmp", "Lang_r\\0\\Gfx_r\\net_zmiana.bmp", "Lang_r\\0\\Gfx_r\\net_koniec.bmp",
        // Backgrounds of the exercise windows in the media folder.
        "media\\tla\\slow_0.jpg", "media\\dialogi_tlo\\tmp.jpg",
        "media\\Rozumienia_gfx_r\\tmp_1.bmp", "media\\Rozumienia_gfx_r\\tmp_2.bmp", "media\\Rozumienia_gfx_r\\tmp_3.bmp",
    };
    for (int n = 1; n <= 5; ++n) files.push_back("media\\tla\\slow_" + std::to_string(n) + ".jpg");
    for (int n = 1; n <= 4; ++n)
        for (const char* stem : {"zdn_", "ciek_", "zdd_"}) files.push_back("media\\tla\\" + std::string(stem) + std::to_string(n) + ".jpg");
    for (int n = 1; n <= 20; ++n) files.push_back("media\\Zdania\\Zdania" + std::to_string(n) + ".jpg");
    for (int n = 1; n <= 8; ++n) {
        files.push_back("but_r\\zakl\\_" + std::to_string(n) + ".bmp");
        files.push_back("but_r\\zakl\\_" + std::to_string(n) + "a.bmp");
    }
    for (int n = 1; n <= 5; ++n) {
        files.push_back("but_r\\zakl\\dial_" + std::to_string(n) + ".bmp");
        files.push_back("but_r\\zakl\\dial_" + std::to_string(n) + "a.bmp");
    }
    for (int level = 1; level <= 4; ++level) files.push_back("htm_r\\poziom" + std::to_string(level) + ".jpg");
    for (const char* language : {"Lang_r\\0\\", "Lang_r\\1\\"})
        for (const char* name :
             {"infa_r.txt", "nazwy_r.txt", "gra.txt", "gfx_r\\Main_rozum.jpg", "gfx_r\\koniec.bmp", "gfx_r\\logowanie.bmp",
              "gfx_r\\logow_new.bmp", "gfx_r\\menu_video.jpg", "gfx_r\\ustawienia_rozum.bmp", "gfx_r\\wybor.jpg",
              "gfx_r\\twoja_odp_2.bmp", "gfx_r\\info.bmp", "gfx_r\\statystyka.bmp", "gfx_r\\help.bmp",
              "gfx_r\\tlumaczenia.bmp", "gfx_r\\skasowacpowtorki.bmp", "gfx_r\\reading.bmp", "gfx_r\\tips.bmp",
              "gfx_r\\pod_pasek_help.bmp"})
            files.push_back(std::string(language) + name);
    for (const std::string& file : files) EXPECT_TRUE(Exists(file)) << file;
    // The small pictures the windows keep (chart icons, marks, speakers) are the program's own.
    EXPECT_FALSE(DirectoryExists(Windows("gfx_r\\ikony")));
}

// The shared picture list, in its order; L marks the strips of the language folders.
struct Strip {
    const char* name;
    bool language;
};
const Strip kStrips[] = {
    {"ok2", false}, {"anuluj2", false}, {"play", false}, {"stop", false}, {"strz_up", false}, {"strz_dn", false},
    {"Pause", false}, {"Glosnik2", false}, {"ok_duzy", false}, {"sprawdz_rozum", false}, {"mikrof2", false},
    {"slownik2", false}, {"repeat_cw", false}, {"podr_druk2", false}, {"podr_back2", false}, {"op_gora", false},
    {"op_dol", false}, {"info2_rozum", false}, {"nagr_a", false}, {"nagr_b", false}, {"nagr_c", false},
    {"nagr_d", false}, {"m_subj", false}, {"b_zwin", false}, {"b_rozwin", false}, {"b_next_sl", false},
    {"m_conv", false}, {"cw_back", false}, {"glos_maly", false}, {"nowy_user", true}, {"podr_spis2", false},
    {"D_play", false}, {"D_playA", false}, {"D_playB", false}, {"D_playC", false}, {"D_playD", false},
    {"D_Start", false}, {"D_Nastep", false}, {"D_Help", false}, {"zd_sprawdz", true}, {"zd_ok_duzy", false},
    {"zd_umiem", true}, {"zd_nie_umiem", true}, {"close_panel", false}, {"help", false}, {"next", true},
    {"m_repet", false}, {"Wybor_ok", false}, {"ok_rozum", true}, {"rozum_graj", false}, {"panel_film", false},
    {"kas_powt", true}, {"m_result", false}, {"glosniki_gora", false}, {"glosniki_dol", false},
    {"rozum_druk", false}, {"dial_druk", false}, {"analizator", false}, {"panel_html", false}, {"zarowka", false},
    {"kas_1_powt", true}, {"print", false},
};

TEST_F(DemoInstallationTest, ButtonStripsHoldTwoEqualFramesKeyedAtTheBottomLeftPixel) {
    ASSERT_EQ(std::size(kStrips), 62u);
    const QRgb key = qRgb(255, 0, 255);
    for (const Strip& strip : kStrips) {
        std::vector<std::string> paths;
        if (strip.language) {
            for (const char* language : {"Lang_r\\0\\", "Lang_r\\1\\"}) paths.push_back(std::string(language) + "but_r\\" + strip.name + ".bmp");
        } else {
            paths.push_back(std::string("but_r\\") + strip.name + ".bmp");
        }
        int width = -1;
        for (const std::string& path : paths) {
            const QImage image = Picture(path);
            ASSERT_FALSE(image.isNull()) << path;
            EXPECT_EQ(image.width() % 2, 0) << path;
            EXPECT_EQ(image.pixel(0, image.height() - 1) & 0xFFFFFF, key & 0xFFFFFF) << path;
            // The highlighted frame differs from the normal one.
            const int frame = image.width() / 2;
            EXPECT_NE(image.copy(0, 0, frame, image.height()), image.copy(frame, 0, frame, image.height())) << path;
            // A language strip keeps its size in both languages, so buttons stay in place.
            if (width >= 0) {
                EXPECT_EQ(image.width(), width) << path;
            }
            width = image.width();
        }
    }
}

// The media window's buttons are drawn for its sound strip: each inside the strip's 33 pixels,
// the bookmarks apart, the bar as long as planned (wider buttons would push it shorter).
TEST_F(DemoInstallationTest, MediaButtonsFitTheSoundStrip) {
    auto frame = [](const std::string& file) {
        const QImage strip = Picture("but_r\\" + file + ".bmp");
        return PictureSize{strip.width() / 2, strip.height()};
    };
    const MediaPictures pictures{frame("play"), frame("Pause"), frame("stop"), frame("nagr_a"), frame("close_panel")};
    const MediaLayout planned = LayOutMedia(2, true);
    const MediaLayout strip = LayOutMedia(2, true, pictures);
    EXPECT_EQ(strip.bar, planned.bar);
    struct Case {
        const char* file;
        Box box;  // where it stands, as large as the strip's first picture
    } cases[] = {
        {"play", strip.play},        {"Pause", strip.pause},      {"stop", strip.stop},
        {"nagr_a", strip.marks[0]},  {"nagr_b", strip.marks[1]},  {"nagr_c", strip.marks[2]},
        {"nagr_d", strip.marks[3]},
    };
    for (const Case& c : cases) {
        const PictureSize size = frame(c.file);
        EXPECT_EQ(size.width, c.box.width) << c.file;
        EXPECT_EQ(size.height, c.box.height) << c.file;
        EXPECT_GE(c.box.left, 0) << c.file;
        EXPECT_LE(c.box.left + size.width, strip.window.width) << c.file;
        EXPECT_LE(c.box.top + size.height, strip.window.height - c.box.top) << c.file << ": as much room below as above";
    }
    EXPECT_LE(strip.stop.left + strip.stop.width, strip.bar.left) << "the buttons before the bar";
    for (int k = 0; k < 3; ++k) EXPECT_LE(strip.marks[k].left + strip.marks[k].width, strip.marks[k + 1].left) << k;
}

TEST_F(DemoInstallationTest, WindowPicturesHaveTheirWindowsSizes) {
    struct Size {
        const char* file;
        int width, height;
    };
    const Size language[] = {
        {"gfx_r\\Main_rozum.jpg", 1024, 768}, {"gfx_r\\wybor.jpg", 1024, 768}, {"gfx_r\\koniec.bmp", 300, 100},
        {"gfx_r\\logowanie.bmp", 300, 200},   {"gfx_r\\logow_new.bmp", 320, 120}, {"gfx_r\\ustawienia_rozum.bmp", 399, 421},
        {"gfx_r\\twoja_odp_2.bmp", 500, 150}, {"gfx_r\\info.bmp", 440, 120},    {"gfx_r\\statystyka.bmp", 300, 220},
        {"gfx_r\\help.bmp", 455, 266},        {"gfx_r\\tlumaczenia.bmp", 455, 266}, {"gfx_r\\skasowacpowtorki.bmp", 300, 100},
    };
    for (const char* dir : {"Lang_r\\0\\", "Lang_r\\1\\"})
        for (const Size& s : language) {
            const QImage image = Picture(std::string(dir) + s.file);
            EXPECT_EQ(image.size(), QSize(s.width, s.height)) << dir << s.file;
        }
    EXPECT_EQ(Picture("Lang_r\\0\\gfx_r\\net_logowanie.bmp").size(), QSize(380, 200));
    EXPECT_EQ(Picture("gfx_r\\pod_pasek_help.bmp").size(), QSize(100, 768));
    EXPECT_EQ(Picture("media\\Rozumienia_gfx_r\\tmp_1.bmp").size(), QSize(160, 200));
}

// What the course data names: every file a window opens for it is there.
TEST_F(DemoInstallationTest, EveryFileTheCourseDataNamesExists) {
    const StartupState state = State(0);
    Course course;
    Problems problems;
    LoadCourseData(state, course, problems, nullptr);
    EXPECT_TRUE(problems.List().empty());
    auto has = [](const std::string& path) { return FileExists(path); };

    for (const std::string& name : ListFiles(state.ProgramDir + "cw_r", ".bc4")) {
        VocabStore store;
        Problems listProblems;
        LoadWordList(state.ProgramDir + "cw_r\\" + name, store, listProblems);
        for (int i = 1; i <= static_cast<int>(store.Entries.size()); ++i) {
            const std::string sound = EntrySoundPath(store, i, state.ProgramDir, state.BsgramDir);
            EXPECT_FALSE(sound.empty()) << name << " entry " << i;
            if (!sound.empty()) {
                EXPECT_TRUE(has(sound)) << sound;
            }
        }
    }
    for (const Sentence& s : course.sentences) EXPECT_TRUE(has(state.MediaDir + "bsgram\\" + s.Extra)) << s.Extra;
    for (const ComprehensionSentence& s : course.comprehension) {
        EXPECT_TRUE(has(state.ProgramDir + "rozumienia_wav_r\\" + s.SoundName + ".wav")) << s.SoundName;
        for (int p = 0; p < 3; ++p) EXPECT_TRUE(has(state.MediaDir + "Rozumienia_gfx_r\\" + s.Pictures[p] + ".bmp")) << s.Pictures[p];
    }
    for (const RecordingSentence& s : course.recording) EXPECT_TRUE(has(state.BsgramDir + "sample\\" + s.Text1 + ".wav")) << s.Text1;
    for (const DragDropSentence& s : course.dragDrop) {
        const std::string d = std::string(5 - std::min<size_t>(5, s.Id.size()), '0') + s.Id;
        EXPECT_TRUE(has(state.BsgramDir + "D_" + d.substr(0, 2) + "\\dd_" + d.substr(0, 3) + "\\" + d + ".wav")) << s.Id;
    }
    for (const CatalogEntry& entry : course.catalog) {
        if (entry.Code.substr(4, 2) == "48") {
            const std::string number = entry.Line4.substr(0, entry.Line4.size() - 1);
            EXPECT_TRUE(has(state.ProgramDir + "Ciekaw_wav_r\\" + number + ".wav"));
            EXPECT_FALSE(GlossaryText(course.glossary, 3000 + StrToInt(number)).empty()) << "curiosity " << number;
        }
    }
    for (const Letter& letter : course.letters) {
        EXPECT_TRUE(has(state.ProgramDir + "Listy_r\\" + letter.FileName + ".htm")) << letter.FileName;
        EXPECT_TRUE(has(state.ProgramDir + "Listy_r\\" + letter.FileName + "_instr.htm")) << letter.FileName;
        EXPECT_FALSE(GlossaryText(course.glossary, StrToInt(letter.GlossaryNumber)).empty()) << letter.FileName;
    }
    for (const TextExercise& exercise : course.textExercises) {
        const std::string background = NthHashField(exercise.Header + "#", 3);
        EXPECT_TRUE(has(state.ProgramDir + "teksty_gfx_r\\" + background + (TypeCode(exercise) == "DD" ? ".bmp" : ".jpg")))
            << background;
        const std::string text = TextNumberField(exercise);
        EXPECT_TRUE(has(state.MediaDir + "Teksty_wav\\" + text + ".wav") || has(state.ProgramDir + "Teksty_htm_r\\" + text + ".htm"))
            << "text " << text;
        if (TypeCode(exercise) == "WP") {
            EXPECT_TRUE(has(state.ProgramDir + "Wpisywania\\" + exercise.TypeLine.substr(3) + ".fcs")) << exercise.TypeLine;
        }
    }
    for (const Dialogue& dialogue : course.dialogues) {
        EXPECT_TRUE(has(state.MediaDir + "dialogi_tlo\\dial_tlo_" + dialogue.Code.substr(2) + ".jpg")) << dialogue.Code;
        for (const DialogueLine& line : dialogue.Lines) {
            EXPECT_TRUE(has(state.MediaDir + "Dialogi\\" + line.AudioName + ".wav")) << line.AudioName;
            // The speaker's picture in the printout (the window draws its own).
            const std::string letter(1, static_cast<char>('A' + line.Speaker - 1));
            EXPECT_TRUE(has(state.ProgramDir + "gfx_r\\dialog" + letter + ".bmp")) << line.AudioName;
        }
        EXPECT_TRUE(dialogue.GlossaryNumber < 1 || !GlossaryText(course.glossary, dialogue.GlossaryNumber).empty()) << dialogue.Code;
    }
}

// Each of the four sections has its texts, packages, dialogue, letter and catalog exercises in
// the amounts a lesson needs.
TEST_F(DemoInstallationTest, EverySectionHasAWholeLesson) {
    const StartupState state = State(0);
    Course course;
    Problems problems;
    LoadCourseData(state, course, problems, nullptr);
    for (int section = 1; section <= 4; ++section) {
        SCOPED_TRACE("section " + std::to_string(section));
        std::set<int> texts;
        for (const CourseText& text : course.texts)
            if (text.Section == section) texts.insert(text.TextNumber);
        std::set<std::string> types;
        int exercises = 0;
        for (const TextExercise& exercise : course.textExercises)
            if (texts.count(TextNumberOf(exercise))) {
                types.insert(TypeCode(exercise));
                ++exercises;
            }
        EXPECT_GE(exercises, 6);
        EXPECT_GE(types.size(), 6u);
        // A narrated text with bookmark times (header field 8 on).
        int narrated = 0;
        for (const TextExercise& exercise : course.textExercises)
            if (texts.count(TextNumberOf(exercise)) && !NthHashField(exercise.Header + "#", 8).empty() &&
                FileExists(state.MediaDir + "Teksty_wav\\" + TextNumberField(exercise) + ".wav"))
                ++narrated;
        EXPECT_GE(narrated, 1);

        std::map<std::string, int> groups;  // group code -> sentences
        for (const Sentence& sentence : course.sentences)
            if (sentence.Section == section) ++groups[sentence.GroupCode];
        EXPECT_EQ(groups.size(), 2u);
        for (const auto& [group, count] : groups) {
            EXPECT_GE(count, 8) << group;
            EXPECT_LE(count, 12) << group;
        }

        // A dialogue with all five variants in every section.
        int dialogues = 0, whole = 0;
        for (const Dialogue& dialogue : course.dialogues) {
            if (dialogue.Lesson != section) continue;
            ++dialogues;
            whole += dialogue.VariantFlags == "TTTTT";
            EXPECT_GE(dialogue.Lines.size(), 8u);
            EXPECT_LE(dialogue.Lines.size(), 16u);
            std::set<int> speakers;
            for (const DialogueLine& line : dialogue.Lines) {
                speakers.insert(line.Speaker);
                EXPECT_FALSE(line.Translation.empty()) << line.AudioName;
            }
            EXPECT_GE(speakers.size(), 2u);
            EXPECT_LE(*speakers.rbegin(), 5);
        }
        EXPECT_GE(dialogues, 1);
        EXPECT_GE(whole, 1);

        int letters = 0;
        for (const Letter& letter : course.letters) letters += IntOfTrimmed(letter.Section) == section;
        EXPECT_EQ(letters, 1);

        std::map<std::string, int> catalog;  // family -> number of examples
        for (const CatalogEntry& entry : course.catalog)
            if (StrToInt(entry.Code.substr(8, 2)) == section) {
                int examples = 0;
                for (char c : entry.Line4) examples += c == '=';
                catalog[entry.Code.substr(4, 2)] = examples;
            }
        EXPECT_EQ(catalog.size(), 4u);
        EXPECT_GE(catalog["11"], 4);
        EXPECT_LE(catalog["11"], 6);
        EXPECT_GE(catalog["53"], 8);
        EXPECT_LE(catalog["53"], 12);
        EXPECT_GE(catalog["60"], 2);
        EXPECT_EQ(catalog["48"], 1);
    }
}

// Every section offers each of the eight text-exercise types and a gap-sentence exercise of the
// catalog whose sentences all have recordings, and every exercise's content is what its window
// can show.
TEST_F(DemoInstallationTest, EverySectionHasEveryTextExerciseTypeAndCatalogGapSentences) {
    const StartupState state = State(0);
    Course course;
    Problems problems;
    LoadCourseData(state, course, problems, nullptr);
    CheckTextExerciseContents(course, state.ProgramDir, "St_a.txt", problems);
    for (const Problem& problem : problems.List()) ADD_FAILURE() << problem.File << ":" << problem.Line << ": " << problem.Message;
    for (int section = 1; section <= 4; ++section) {
        SCOPED_TRACE("section " + std::to_string(section));
        std::set<int> texts;
        for (const CourseText& text : course.texts)
            if (text.Section == section) texts.insert(text.TextNumber);
        std::set<std::string> types;
        std::map<int, int> perText;
        for (const TextExercise& exercise : course.textExercises)
            if (texts.count(TextNumberOf(exercise))) {
                types.insert(TypeCode(exercise));
                ++perText[TextNumberOf(exercise)];
            }
        EXPECT_EQ(types, (std::set<std::string>{"MC", "TF", "DD", "HH", "WP", "DF", "DV", "ZDD"}));
        for (const auto& [text, count] : perText) EXPECT_LE(count, 7) << "text " << text;  // the tabs a text has

        int gapExercises = 0;
        for (const CatalogEntry& entry : course.catalog) {
            if (!IsCatalogGapSentences(entry) || StrToInt(entry.Code.substr(8, 2)) != section) continue;
            ++gapExercises;
            Problems none;
            const CatalogGapContent content = BuildCatalogGapSentences(entry, course.dragDrop, none);
            for (const CatalogSentence& sentence : content.Sentences) {
                const std::string d = std::string(5 - std::min<size_t>(5, sentence.Id.size()), '0') + sentence.Id;
                EXPECT_TRUE(FileExists(state.BsgramDir + "D_" + d.substr(0, 2) + "\\dd_" + d.substr(0, 3) + "\\" + d + ".wav"))
                    << sentence.Id;
            }
        }
        EXPECT_EQ(gapExercises, 1);
    }
}

// Each word list has 15 to 30 items, wrong options that are not asked, example sentences with
// translations and a few verbs.
TEST_F(DemoInstallationTest, WordListsHaveItemsDistractorsExamplesAndVerbs) {
    const StartupState state = State(0);
    const std::vector<std::string> files = ListFiles(state.ProgramDir + "cw_r", ".bc4");
    EXPECT_EQ(files.size(), 8u);
    for (const std::string& name : files) {
        SCOPED_TRACE(name);
        VocabStore store;
        Problems problems;
        LoadWordList(state.ProgramDir + "cw_r\\" + name, store, problems);
        MapItems(store);
        EXPECT_GE(store.ItemCount, 15);
        EXPECT_LE(store.ItemCount, 30);
        int distractors = 0, examples = 0, verbs = 0;
        for (int i = 1; i <= static_cast<int>(store.Entries.size()); ++i) {
            const VocabEntry& entry = store.Entries[i - 1];
            if (entry.EntryId > 60000) {
                ++examples;
                EXPECT_FALSE(entry.SecondText.empty()) << entry.Headword;
            } else if (!entry.IsItem) {
                ++distractors;
            } else if (entry.WordClass == 3) {
                ++verbs;
            }
            if (entry.ExampleId > 0) {
                EXPECT_GT(FindEntryById(store, entry.ExampleId), 0) << entry.Headword;
            }
        }
        EXPECT_GE(distractors, 3);
        EXPECT_GE(examples, 5);
        EXPECT_GE(verbs, 3);
    }
}

// The text with a video: made when ffmpeg is there, and then as long as its narration.
TEST_F(DemoInstallationTest, TextVideoIsMadeWhenFfmpegIsPresent) {
    const bool ffmpeg = !QStandardPaths::findExecutable("ffmpeg").isEmpty();
    EXPECT_EQ(Exists("Teksty_mpg_r\\3.mpg"), ffmpeg);
    EXPECT_TRUE(Exists("Teksty_htm_r\\3.htm"));  // what the text shows without the video
    if (ffmpeg) {
        EXPECT_GT(ReadWholeFile(Windows("Teksty_mpg_r\\3.mpg")).size(), 100000u);
    }
}

TEST_F(DemoInstallationTest, InterfaceTextsRunFromOneTo163InBothLanguages) {
    for (int language : {0, 1}) {
        Course course;
        Problems problems;
        LoadLanguageResources(State(language), course, problems);
        ASSERT_EQ(course.interfaceTexts.size(), 163u) << "language " << language;
        for (size_t n = 0; n < course.interfaceTexts.size(); ++n)
            EXPECT_FALSE(course.interfaceTexts[n].empty()) << "language " << language << " text " << n + 1;
        EXPECT_EQ(course.sections.size(), 4u);
    }
}

TEST_F(DemoInstallationTest, HelpPagesCarryEveryAnchorTheWindowsOpen) {
    const std::string page = ReadWholeFile(Windows("Htm_r\\h_comp.html"));
    for (const char* anchor : {"wybor", "dialogi", "slowka", "nagrywanie", "listy", "ciekawostki", "filmy", "dd", "ddv", "h",
                               "zdania", "zda", "zdj", "e3"})
        EXPECT_NE(page.find("name=\"" + std::string(anchor) + "\""), std::string::npos) << anchor;
}

TEST_F(DemoInstallationTest, TextFilesEndTheirLinesWithCrLf) {
    for (const char* file : {"St_a.txt", "dialogi.txt", "cw_r\\0101.bc4", "Lang_r\\0\\infa_r.txt", "Lang_r\\1\\infa_r.txt",
                             "Wpisywania\\tekst1_wp.fcs", "kurs.fre", "Htm_r\\h_index.html"}) {
        const std::string text = ReadWholeFile(Windows(file));
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << file << " at byte " << i;
            }
        }
    }
}

TEST_F(DemoInstallationTest, SoundsAreReadableWavFiles) {
    for (const char* file : {"wav_r\\r_open.wav", "zla.wav", "Wav_r\\ok.wav", "Wav_r\\no.wav", "media\\Teksty_wav\\1.wav",
                             "media\\Teksty_wav\\3.wav", "media\\Dialogi\\d01_01.wav", "media\\Dialogi\\d04_04.wav",
                             "media\\bsgram\\D_00\\dd_001\\00101.wav", "media\\bsgram\\D_04\\dd_042\\04251.wav",
                             "Ciekaw_wav_r\\4.wav"}) {
        SF_INFO info{};
        SNDFILE* sound = sf_open(NativePath(Windows(file)).c_str(), SFM_READ, &info);
        ASSERT_NE(sound, nullptr) << file;
        EXPECT_GT(info.frames, info.samplerate / 10) << file;  // at least a tenth of a second
        sf_close(sound);
    }
}

// The large installation fills the course tables to their limits and still loads cleanly.
TEST(LargeDemoInstallationTest, FillsTheCourseTablesToTheirLimits) {
    test::TempDir dir;
    const Result made = RunTool(MakeDemo(), {QString::fromStdString(dir.Path()), "--large"});
    ASSERT_EQ(made.status, 0) << made.output;
    const Result check = RunTool(CourseTool(), {"check", QString::fromStdString(dir.Path())});
    EXPECT_EQ(check.status, 0) << check.output;
    for (const char* count : {"ui-texts 200", "display-names 10000", "sections 30", "contractions 70", "texts 200",
                              "sentences 2600", "catalog 100", "comprehension 600", "recording 600", "dragdrop 2000",
                              "letters 100", "glossary 250", "text-exercises 300", "open-tasks 250", "dialogues 70"})
        EXPECT_NE(check.output.find(std::string(count) + "\n"), std::string::npos) << count << "\n" << check.output;

    VocabStore store;
    Problems problems;
    LoadWordList(Utf8ToCp1250(dir.Path()) + "cw_r\\9001.bc4", store, problems);
    EXPECT_EQ(store.Entries.size(), kVocabEntryLimit);
    EXPECT_EQ(store.ItemCount, kVocabItemLimit);
}

// Making the demo course over an earlier large installation leaves none of the large course
// behind, but keeps what the program wrote there (learners and their results).
TEST(LargeDemoInstallationTest, GivesWayToTheDemoCourseWhenMadeAgainInTheSameDirectory) {
    test::TempDir dir;
    ASSERT_EQ(RunTool(MakeDemo(), {QString::fromStdString(dir.Path()), "--large"}).status, 0);
    dir.Write("usr.t", "1=Anna\r\n");
    dir.Write("1/qlr2_55", std::string(548, '\0'));
    ASSERT_EQ(RunTool(MakeDemo(), {QString::fromStdString(dir.Path())}).status, 0);

    EXPECT_FALSE(FileExists(Utf8ToCp1250(dir.Path()) + "cw_r\\9001.bc4"));
    EXPECT_TRUE(FileExists(Utf8ToCp1250(dir.Path()) + "cw_r\\0101.bc4"));
    EXPECT_EQ(dir.Read("usr.t"), "1=Anna\r\n");
    EXPECT_EQ(dir.Read("1/qlr2_55").size(), 548u);
    const Result check = RunTool(CourseTool(), {"check", QString::fromStdString(dir.Path())});
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find("sentences 75\n"), std::string::npos) << check.output;
}

}  // namespace
}  // namespace quillan
