// The course authors' tool, run as its command line would.

#include <gtest/gtest.h>

#include <sstream>

#include "course_tool.h"
#include "installation_fixture.h"

namespace quillan {
namespace {

struct ToolRun {
    int status;
    std::string out, err;
};

ToolRun Tool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCourseTool(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CourseTool, CheckPrintsEveryTableInLoadOrder) {
    test::Installation install;
    const ToolRun run = Tool({"check", install.dir.Path()});
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(run.out,
              "ui-texts 1\ndisplay-names 1\nsections 1\ncontractions 1\ntexts 1\nsentences 1\npackages 1\ncatalog 2\n"
              "comprehension 1\nrecording 1\ndragdrop 1\nletters 1\nglossary 1\ntext-exercises 1\nopen-tasks 1\n"
              "dialogues 1\n");
    EXPECT_EQ(Tool({"check", install.dir.Path(), "--lang", "1"}).out.substr(0, 11), "ui-texts 2\n");
}

TEST(CourseTool, CheckListsProblemsAndTheirFilesAndLines) {
    test::Installation install;
    install.Remove("St_a.txt");
    install.Write("kurs.zdd", "DD001 a=b=\n");
    install.Write("rozum_pig.txt", "k=s=p=e=a=b=c=\n");
    install.Write("rozumienie_a.txt", "/\n1=1=1=T=\n2=z=1=T=\n");
    const ToolRun run = Tool({"check", install.dir.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("texts 1\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nrozumienie_a.txt:3: 'z' is not a valid integer value\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("\nSt_a.txt:0: Cannot open file"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("text-exercises 0\n"), std::string::npos);
}

// What stops the exercise table of a new learner (built at his first sign-in, not at start-up)
// is a problem of the installation too, with its file and line.
TEST(CourseTool, CheckBuildsTheNewLearnersExerciseTable) {
    struct Case {
        const char* file;
        const char* text;
        const char* problem;
    } cases[] = {
        {"Listy_r/index.txt", "list1=z=2=3=\n", "Listy_r\\index.txt:1: 'z' is not a valid integer value"},
        {"kurs_cwicz2.vrk", "* level x\nCD0153x161\na\nb\nc\n-\n", "kurs_cwicz2.vrk:2: 'x1' is not a valid integer value"},
        // The content check names this one first; the table's own report of the line is left out.
        {"St_a.txt", "/ list\nx#zz#\nMC#q\n0=\n",
         "St_a.txt:2: the text number (header field 2) is no number: 'zz' is not a valid integer value"},
        {"cw_r/s1.bc4", "1\nS001111x01\n", "cw_r\\s1.bc4:2: '1x' is not a valid integer value"},
    };
    for (const Case& c : cases) {
        test::Installation install;
        install.Write(c.file, c.text);
        const ToolRun run = Tool({"check", install.dir.Path()});
        EXPECT_EQ(run.status, 1) << c.file << "\n" << run.out << run.err;
        EXPECT_NE(run.out.find("\n" + std::string(c.problem) + "\n"), std::string::npos) << run.out;
        EXPECT_EQ(Tool({"exercise-table", install.dir.Path()}).status, 1) << c.file;
    }
}

TEST(CourseTool, NoInstallationAndWrongArguments) {
    test::TempDir empty;
    EXPECT_EQ(Tool({"check", empty.Path()}).status, 2);
    EXPECT_EQ(Tool({"check", empty.Path() + "missing"}).status, 2);
    EXPECT_EQ(Tool({}).status, 2);
    EXPECT_EQ(Tool({"frobnicate"}).status, 2);
    EXPECT_EQ(Tool({"check"}).status, 2);
    EXPECT_EQ(Tool({"check", "a", "b"}).status, 2);
    EXPECT_EQ(Tool({"check", empty.Path(), "--lang", "7"}).status, 2);
    EXPECT_EQ(Tool({"check", empty.Path(), "--verbose"}).status, 2);
    EXPECT_EQ(Tool({"dump", empty.Path()}).status, 2);
    EXPECT_EQ(Tool({"words"}).status, 2);
    EXPECT_EQ(Tool({"words", empty.Path() + "none.bc4"}).status, 2);
    for (const char* command : {"--help", "check", "dump", "words"}) {
        const ToolRun help = command == std::string("--help") ? Tool({command}) : Tool({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind("usage: quillan-course", 0), 0u) << command;
    }
}

TEST(CourseTool, DumpWritesJsonLinesInUtf8) {
    test::Installation install;
    install.Write("kurs_cwicz.vrk", "AB01110261\n\"quoted\"\nback\\slash\n\x9c\x9f\n-\nCD01480101\n\n\n\n");
    ToolRun run = Tool({"dump", install.dir.Path(), "catalog"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "{\"Code\":\"AB01110202\",\"Line2\":\"\\\"quoted\\\"\",\"Line3\":\"back\\\\slash\",\"Line4\":\"\xC5\x9B\xC5\xBA\"}\n"
              "{\"Code\":\"CD01480101\",\"Line2\":\"\",\"Line3\":\"\",\"Line4\":\"\"}\n"
              "{\"Code\":\"CD01530102\",\"Line2\":\"a\",\"Line3\":\"b\",\"Line4\":\"c\"}\n");

    run = Tool({"dump", install.dir.Path(), "sentences"});
    EXPECT_EQ(run.out,
              "{\"Level\":1,\"GroupCode\":\"AB\",\"Section\":1,\"Variant1\":\"I am late.\",\"Variant2\":\"\","
              "\"Variant3\":\"\",\"Variant4\":\"\",\"Extra\":\"s1.wav\",\"Translation\":\"Sp\xC3\xB3\xC5\xBAniony.\","
              "\"VariantCount\":1}\n");
    EXPECT_EQ(Tool({"dump", install.dir.Path(), "packages"}).out,
              "{\"Section\":1,\"Level\":1,\"GroupCode\":\"AB\",\"SentenceCount\":1,\"Sentences\":[1]}\n");
    EXPECT_EQ(Tool({"dump", install.dir.Path(), "dialogues"}).out,
              "{\"Code\":\"D1\",\"Title\":\"Title\",\"Field3\":\"\",\"Field4\":\"\",\"Lesson\":1,\"Level\":1,"
              "\"VariantFlags\":\"TT\",\"Layout\":0,\"GlossaryNumber\":0,\"LineCount\":1,\"Lines\":[{\"AudioName\":\"a\","
              "\"Speaker\":1,\"Text\":\"A: Hi.\",\"Translation\":\"Cze\xC5\x9B\xC4\x87.\"}]}\n");
    EXPECT_EQ(Tool({"dump", install.dir.Path(), "contractions"}).out, "{\"LongForm\":\" I am\",\"ShortForm\":\" I'm\"}\n");
    EXPECT_EQ(Tool({"dump", install.dir.Path(), "ui-texts"}).out, "{\"Text\":\"Witaj\"}\n");
    // Every table can be dumped, one line per record.
    for (const char* table : {"text-exercises", "texts", "comprehension", "recording", "dragdrop", "letters",
                              "open-tasks", "glossary", "display-names", "sections"}) {
        run = Tool({"dump", install.dir.Path(), table});
        EXPECT_EQ(run.status, 0) << table;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << table;
        EXPECT_EQ(run.out.front(), '{') << table;
    }
    EXPECT_EQ(Tool({"dump", install.dir.Path(), "nonsense"}).status, 2);
}

TEST(CourseTool, Words) {
    test::TempDir dir;
    std::string list;
    for (int i = 1; i <= 10; ++i) list += "header\r\n";
    list += "01 0    5 13 to go =i\x9c\xe6=====0===cw=\r\n";
    list += "02 1    6 10 house =dom====a.wav=1====\r\n";
    list += "01 0    8 10 x =y========cw=\r\n";
    list += "01 0    9 10 z =w========cw=\r\n";
    const std::string file = dir.Write("cw_r/list.bc4", list);
    const ToolRun run = Tool({"words", file});
    EXPECT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::string first, line, last;
    std::getline(lines, first);
    EXPECT_EQ(first,
              "{\"Group\":1,\"SoundByName\":0,\"EntryId\":5,\"Column11\":1,\"WordClass\":3,\"Headword\":\"to go\","
              "\"Translation\":\"i\xC5\x9B\xC4\x87\",\"SecondText\":\"\",\"Alternatives\":\"\",\"Note\":\"\",\"SoundRef\":\"\","
              "\"Flag6\":false,\"IsItem\":true,\"ExampleId\":0}");
    int count = 1;
    while (std::getline(lines, line)) {
        last = line;
        ++count;
    }
    EXPECT_EQ(count, 5);
    EXPECT_EQ(last, "{\"ItemEntries\":[1,3,4],\"ItemCount\":3}");

    dir.Write("cw_r/bad.bc4", list + "01 0   x9 10 z =w========cw=\r\n");
    const ToolRun bad = Tool({"words", dir.Path() + "cw_r/bad.bc4"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, dir.Path() + "cw_r/bad.bc4:15: 'x9' is not a valid integer value\n");
}

}  // namespace
}  // namespace quillan
