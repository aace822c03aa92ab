// The course tool on the content of the text exercises and the catalog's gap sentences.

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The problem lines of a check, without the table counts.
std::vector<std::string> ProblemLines(const std::string& out) {
    std::vector<std::string> problems;
    for (const std::string& line : Lines(out))
        if (line.find(": ") != std::string::npos) problems.push_back(line);
    return problems;
}

constexpr const char* kHeader = "e#12#bg#i2#i0#i1#\n";
constexpr const char* kLayout = "0=0=0=0=0=0=0=0=0=0=\n";

// A text-exercise list of the given type lines, each with the same header and layout.
std::string List(const std::vector<std::string>& typeLines) {
    std::string list = "/ comment\n";
    for (const std::string& type : typeLines) list += std::string(kHeader) + type + "\n" + kLayout + "\n";
    return list;
}

TEST(CourseToolContent, CheckReportsEveryContentProblemAtItsTypeLine) {
    test::Installation install;
    install.Write("St_a.txt", List({
                                  "MC#Q=a=b#R=T_c#",
                                  "TF#P#T#T#F#F#F#T_a#b",
                                  "WP#missing",
                                  "DD#2#2#A#B#a*3#b*x#",
                                  "DV#a*1#b*1#",
                                  "ZDD#He <went home.=",
                                  "XX#whatever",
                              }));
    const ToolRun run = Tool({"check", install.dir.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ProblemLines(run.out), (std::vector<std::string>{
                                         "St_a.txt:3: question 1 has no right answer (\"T_\")",
                                         "St_a.txt:3: question 2 has a single answer",
                                         "St_a.txt:7: statement 2 is not closed by \"#\"",
                                         "St_a.txt:11: the exercise file \"Wpisywania\\missing.fcs\" is missing",
                                         "St_a.txt:15: word 1 (\"a\"): column 3 is not one of the 2 columns",
                                         "St_a.txt:15: word 2 (\"b\"): its column \"x\" is not a digit",
                                         "St_a.txt:19: the positions are not a permutation of 1..2",
                                         "St_a.txt:23: the gap \"<went\" in sentence 1 has no \">\"",
                                         "St_a.txt:23: the gap text needs at least two gaps; it has 1",
                                         "St_a.txt:27: the type code \"XX\" is none of MC, TF, DD, HH, WP, DF, DV, ZDD",
                                     }))
        << run.out;
}

// The numbers that would stop a text from opening: the media times of the header (fields 8 to
// 10 of a header with five "#" or more) on the header's line, the layout values on theirs.
TEST(CourseToolContent, CheckReportsTheNumbersOfHeaderAndLayout) {
    struct Case {
        const char* header;
        const char* layout;
        std::vector<std::string> problems;
    };
    const Case cases[] = {
        {"e#12#bg#i2#i0#i1##5#x# #\n", kLayout,
         {"St_a.txt:2: header field 9 (a media time in seconds) is no number: 'x' is not a valid integer value"}},
        {"e#12#bg#i2#i0#i1##1.5#\n", kLayout,
         {"St_a.txt:2: header field 8 (a media time in seconds) is no number: '1.5' is not a valid integer value"}},
        {kHeader, "0=120= z =4=\n", {"St_a.txt:4: layout value 3 is no number: 'z' is not a valid integer value"}},
        {"e#zz#bg#i2#i0#i1####y#\n", "q=0=0=0=0=0=0=0=0=w=\n",
         {"St_a.txt:2: the text number (header field 2) is no number: 'zz' is not a valid integer value",
          "St_a.txt:2: header field 10 (a media time in seconds) is no number: 'y' is not a valid integer value",
          "St_a.txt:4: layout value 1 is no number: 'q' is not a valid integer value",
          "St_a.txt:4: layout value 10 is no number: 'w' is not a valid integer value"}},
        {"e#12#x#y#\n", "0=120=\n", {}},  // fewer than five "#": no media times
    };
    for (const Case& c : cases) {
        test::Installation install;
        install.Write("St_a.txt", std::string("/ comment\n") + c.header + "MC#Q=T_a=b#\n" + c.layout);
        const ToolRun run = Tool({"check", install.dir.Path()});
        std::vector<std::string> problems;
        for (const std::string& line : ProblemLines(run.out))
            if (line.rfind("St_a.txt:", 0) == 0) problems.push_back(line);
        EXPECT_EQ(problems, c.problems) << c.header << c.layout << run.out;
    }
}

TEST(CourseToolContent, CheckReadsTheTypingFilesAndTheCatalogGapSentences) {
    test::Installation install;
    install.Write("St_a.txt", List({"WP#tekst1_wp", "HH#a*b#c*d#"}) + "x#nine#\nDF#a*b#c*d#\n" + kLayout);
    install.Write("Wpisywania/tekst1_wp.fcs", "Width : wide\nGlossary:  \nBlank gaps1\nHe &went home.\n[TAB=] &is\n");
    install.Write("kurs_cwicz.vrk", "* zdd\n0001600101\npl\nen\nDD001=DD002=\n-\n");
    install.Write("kurs.zdd", "DD001 He <went> home.=On poszed\xB3.=\n");
    const ToolRun run = Tool({"check", install.dir.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(ProblemLines(run.out), (std::vector<std::string>{
                                         "Wpisywania\\tekst1_wp.fcs:1: the gap width is no number ('wide' is not a valid integer "
                                         "value); 60 pixels are taken",
                                         "Wpisywania\\tekst1_wp.fcs:5: \"[TAB=]\" holds no number of pixels",
                                         "St_a.txt:10: the text number (header field 2) is no number: 'nine' is not a valid integer value",
                                         "kurs_cwicz.vrk:5: the sentence \"DD002\" is in no record of the drag-and-drop sentences (kurs.zdd)",
                                         "kurs_cwicz.vrk:5: the exercise needs at least two gaps; it has 1",
                                     }))
        << run.out;
}

TEST(CourseToolContent, TheFixtureInstallationHasNoContentProblem) {
    test::Installation install;
    EXPECT_EQ(Tool({"check", install.dir.Path()}).status, 0);
}

TEST(CourseToolContent, DumpExerciseContentInListOrderBeforeAnyShuffle) {
    test::Installation install;
    install.Write("St_a.txt", List({
                                  "MC#Q=a=T_b#R=c=d#",
                                  "TF#Prawda#True#T#Fa\xB3sz#False#F#T_yes#no#",
                                  "WP#w",
                                  "DF#term*a definition#t2*d2#",
                                  "DD#2#3#People#Things#clerk*1#desk*2#",
                                  "DV#second*2#first*1#",
                                  "HH#left*right#l2*r2#",
                                  "ZDD#He <went>. home=She <is>=",
                                  "WP#none",
                                  "QQ#x",
                              }));
    install.Write("Wpisywania/w.fcs", "Width : 70\nGlossary: g\nBlank gaps1\nHe *pre &went\\go home.\n");
    const ToolRun run = Tool({"dump", install.dir.Path(), "exercise-content"});
    EXPECT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> expected = {
        R"({"entry":1,"line":3,"type":"MC","kind":40,"text":12,"content":{"questions":[{"question":"Q","answers":["a","b"],"right":1},{"question":"R","answers":["c","d"],"right":null}]}})",
        R"({"entry":2,"line":7,"type":"TF","kind":41,"text":12,"content":{"true_heading":["Prawda","True","T"],"false_heading":["Fałsz","False","F"],"statements":[{"text":"yes","true":true},{"text":"no","true":false}]}})",
        R"({"entry":3,"line":11,"type":"WP","kind":44,"text":12,"content":{"file":"Wpisywania\\w.fcs","gap_width":70,"blank_gaps":true,"gaps":[{"answer":"went","alternative":"go","prefill":"pre"}],"items":4}})",
        R"({"entry":4,"line":15,"type":"DF","kind":45,"text":12,"content":{"entries":[{"term":"term","definition":"a definition"},{"term":"t2","definition":"d2"}]}})",
        R"({"entry":5,"line":19,"type":"DD","kind":42,"text":12,"content":{"columns":["People","Things"],"rows":3,"words":[{"text":"clerk","column":1},{"text":"desk","column":2}]}})",
        R"({"entry":6,"line":23,"type":"DV","kind":46,"text":12,"content":{"items":[{"text":"second","row":2},{"text":"first","row":1}]}})",
        R"({"entry":7,"line":27,"type":"HH","kind":43,"text":12,"content":{"pairs":[{"left":"left","right":"right"},{"left":"l2","right":"r2"}]}})",
        R"({"entry":8,"line":31,"type":"ZDD","kind":47,"text":12,"content":{"sentences":2,"gaps":[{"answer":"went.","expected":"went"},{"answer":"is","expected":"is"}]}})",
        R"({"entry":9,"line":35,"type":"WP","kind":44,"text":12,"content":{"file":"Wpisywania\\none.fcs","gap_width":null,"blank_gaps":null,"gaps":[],"items":0}})",
        R"({"entry":10,"line":39,"type":"QQ","kind":null,"text":12,"content":null})",
    };
    EXPECT_EQ(Lines(run.out), expected);
}

TEST(CourseToolContent, DumpCatalogGapSentences) {
    test::Installation install;
    install.Write("kurs_cwicz.vrk", "0001110101\na\nb\nc\n-\n0002600101\npl\nen\nDD001=DD002=\n-\n");
    install.Write("kurs.zdd", "DD001 He <went>. Home=On poszed\xB3.=\nDD002 We <look after> it.=Dbamy.=\n");
    const ToolRun run = Tool({"dump", install.dir.Path(), "catalog-gap-sentences"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              R"({"entry":2,"sentences":[{"id":"DD001","text":"He <went>. Home","flag_hint":"On poszedł."},)"
              R"({"id":"DD002","text":"We <look+after> it.","flag_hint":"Dbamy."}],)"
              R"("gaps":[{"answer":"went","expected":"went"},{"answer":"look after","expected":"look after"}]})"
              "\n");
}

}  // namespace
}  // namespace quillan
