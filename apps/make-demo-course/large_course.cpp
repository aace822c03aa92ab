// The demo course grown to the limits of the course tables: 200 interface texts, 10000 display
// names, 30 sections, 70 contractions, 200 texts with 300 text exercises, 2600 sentences in
// packages of 20, 100 catalog entries, 600 picture and 600 recording sentences, 2000 gap
// sentences, 100 letters, 250 glossary entries, 250 open tasks, 70 dialogues of 25 lines, and a
// word list of 5000 entries with 300 items (the last of them on the file's last line). The exercise table built from it stays within its
// 2000 records. Sound and picture names reuse those of the demo course, so what plays, plays.

#include "large_course.h"

#include <cstdio>
#include <string>

#include "source_text.h"
#include "sources.h"

namespace demo {
namespace {

std::string Digits(int n, int width) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, n);
    return buffer;
}

std::string S(int n) { return std::to_string(n); }

// The lines of a source file that hold an entry: not empty and not beginning with `comment`.
int Entries(const CourseSources& sources, const std::string& path, const std::string& comment = "") {
    int count = 0;
    const std::string* text = SourceFile(sources, path);
    if (text)
        for (const std::string& line : Lines(*text))
            count += !Trim(line).empty() && (comment.empty() || line.rfind(comment, 0) != 0);
    return count;
}

// Appends lines to a source file (which ends with a line end).
void Append(CourseSources& sources, const std::string& path, const std::string& lines) {
    std::string& file = sources.files[path];
    if (!file.empty() && file.back() != '\n') file += '\n';
    file += lines;
}

const char* const kTopics[] = {"a meeting", "a phone call", "a presentation", "a negotiation", "an order",
                               "a complaint", "a trade fair", "a job interview", "a business trip", "a report"};
const char* const kTematy[] = {"spotkanie", "rozmowa telefoniczna", "prezentacja", "negocjacje", "zamówienie",
                               "reklamacja", "targi", "rozmowa o pracę", "podróż służbowa", "raport"};

void InterfaceTables(CourseSources& sources) {
    for (const char* lang : {"0", "1"}) {
        const std::string dir = std::string("Lang_r\\") + lang + "\\";
        std::string texts;
        for (int n = 164; n <= 200; ++n) texts += S(n) + "=wolny=-=\n";
        Append(sources, dir + "infa_r.txt", texts);
        std::string sections;
        for (int n = Entries(sources, dir + "gra.txt") + 1; n <= 30; ++n)
            sections += S(n) + "=D" + Digits(n, 2) + "=" + S(n) + ". " + (lang[0] == '0' ? kTematy[n % 10] : kTopics[n % 10]) +
                        "=D" + Digits(n, 2) + "=\n";
        Append(sources, dir + "gra.txt", sections);
        std::string names;
        for (int n = 1, own = Entries(sources, dir + "nazwy_r.txt"); n <= 10000 - own; ++n) names += "S" + Digits(n + 1000, 5) + "=Słówka: " + kTematy[n % 10] + " " + S(n) + "\n";
        Append(sources, dir + "nazwy_r.txt", names);
    }
    std::string pairs;
    for (int n = Entries(sources, "ss_r.t") + 1; n <= 70; ++n) pairs += " word" + S(n) + " is not= word" + S(n) + " isn't=\n";
    Append(sources, "ss_r.t", pairs);
}

void Texts(CourseSources& sources) {
    std::string texts, exercises;
    const char* const types[] = {"MC", "TF", "DD", "HH", "WP", "DF", "DV", "ZDD"};
    int entries = static_cast<int>(TextExerciseSources(sources).size());  // the demo course's own
    for (int t = Entries(sources, "rozumienie_a.txt", "/") + 1; t <= 200; ++t) {
        texts += S(t) + "=" + S(t % 4 + 1) + "=" + S(t % 30 + 1) + "=Business English text " + S(t) + ": " + kTopics[t % 10] + "=\n";
        const int count = entries + (200 - t) < 300 ? 2 : 1;  // two exercises for some texts, to reach 300
        for (int k = 0; k < count && entries < 300; ++k, ++entries) {
            const std::string type = types[(t + k) % 8];
            exercises += "L" + S(t) + type + "#" + S(t) + "#tekst1#Do the exercise.#Zrób ćwiczenie do tekstu.#Do the exercise.#####\n";
            if (type == "MC")
                exercises += "MC#What is the text about?=T_" + std::string(kTopics[t % 10]) + "=a holiday=a film#Who speaks first?=T_The manager=The client=Nobody#\n";
            else if (type == "TF")
                exercises += "TF#Prawda#True#True#Fałsz#False#False#T_The text is about work.#The text is about sport.#\n";
            else if (type == "DD")
                exercises += "DD#2#3#People#Things#manager*1#client*1#invoice*2#contract*2#\n";
            else if (type == "HH")
                exercises += "HH#price*list#sales*manager#business*card#\n";
            else if (type == "WP")
                exercises += "WP#tekst1_wp\n";
            else if (type == "DF")
                exercises += "DF#invoice*a document that asks a customer to pay#deadline*the last day to finish something#\n";
            else if (type == "DV")
                exercises += "DV#The client calls.*1#They arrange a meeting.*2#They sign the contract.*3#\n";
            else
                exercises += "ZDD#We <meet> on Monday.=Please <send> the report.=\n";
            exercises += "0=0=0=0=0=0=0=0=0=0=\n\n";
        }
    }
    Append(sources, "rozumienie_a.txt", texts);
    Append(sources, "St_a.txt", exercises);
}

void Sentences(CourseSources& sources) {
    // Packages of 20: package k has level k % 4 + 1, group 10 + k % 90 (the demo's groups are
    // below 10) and section k % 30 + 1.
    std::string lines;
    for (int i = 0, own = Entries(sources, "zda_rozum.txt"); i < 2600 - own; ++i) {
        const int k = i / 20 + 1;
        lines += S(k % 4 + 1) + Digits(10 + k % 90, 2) + Digits(k % 30 + 1, 2) + " zd" + Digits(i, 5) + "   " +
                 "We have to postpone the meeting until next week.=We must postpone the meeting until next week.===zd_" +
                 Digits(i, 5) + ".wav==Musimy przełożyć spotkanie na przyszły tydzień.=\n";
    }
    Append(sources, "zda_rozum.txt", lines);
}

void Catalog(CourseSources& sources) {
    // Entries up to 100 with the demo's own: picture, recording, gap and curiosity exercises.
    const char* const families[] = {"11", "53", "60", "48"};
    const int own = (Entries(sources, "kurs_cwicz.vrk", "*") + Entries(sources, "kurs_cwicz2.vrk", "*")) / 4;
    std::string first, second, fre;
    for (int n = 0; n < 100 - own; ++n) {
        const std::string family = families[n % 4];
        std::string keys;
        if (family == "11")
            for (int k = 0; k < 4; ++k) keys += "c" + Digits((n * 4 + k) % 500, 4) + "=";
        else if (family == "53")
            for (int k = 0; k < 5; ++k) keys += Digits(10000 + (n * 5 + k) % 500, 5) + "=";
        else if (family == "60")
            for (int k = 0; k < 4; ++k) keys += Digits(1000 + (n * 4 + k) % 1900, 5) + "=";
        else {
            keys = S(n + 100) + "=";
            fre += "***" + S(n + 100) + "\n<B> Did you know? </B> <BR> Business customs differ from country to country. <BR>\n";
        }
        const std::string entry = Digits(n + 100, 4) + family + Digits(n % 4 + 1, 2) + Digits(n % 30 + 1, 2) + "\n" +
                                  std::string(kTematy[n % 10]) + "\n" + kTopics[n % 10] + "\n" + keys + "\n\n";
        (n < (100 - own) / 2 ? first : second) += entry;
    }
    Append(sources, "kurs_cwicz.vrk", first);
    Append(sources, "kurs_cwicz2.vrk", second);
    Append(sources, "kurs.fre", fre);

    const char* const pictures[][3] = {{"clock_3", "clock_5", "clock_9"},
                                       {"sales_up", "sales_down", "sales_flat"},
                                       {"send_email", "send_print", "send_call"},
                                       {"floor_5", "floor_2", "floor_8"}};
    std::string pig, zdn, zdd;
    for (int i = 0, own = Entries(sources, "rozum_pig.txt", "//"); i < 600 - own; ++i) {
        const auto& p = pictures[i % 4];
        pig += "c" + Digits(i, 4) + "=rpg_r0" + S(i % 4 + 1) + "=Klient prosi o przesunięcie terminu.=The client asks to move the date.=" +
               p[0] + "=" + p[1] + "=" + p[2] + "=\n";
    }
    for (int i = 0, own = Entries(sources, "kurs.zdn"); i < 600 - own; ++i) zdn += Digits(10000 + i, 5) + " zdn_0000" + S(i % 5 + 1) + "=Could you send me the invoice by Friday?=\n";
    for (int i = 0, own = Entries(sources, "kurs.zdd"); i < 2000 - own; ++i)
        zdd += Digits(1000 + i, 5) + " We <have to> postpone the next <meeting> until next week.=Musimy przełożyć następne spotkanie.=\n";
    Append(sources, "rozum_pig.txt", pig);
    Append(sources, "kurs.zdn", zdn);
    Append(sources, "kurs.zdd", zdd);
}

void Reference(CourseSources& sources) {
    std::string letters, glossary, tasks;
    for (int i = Entries(sources, "Listy_r\\index.txt") + 1; i <= 100; ++i) letters += "list1=" + S(i % 30 + 1) + "=" + S(i % 4 + 1) + "=1001=List " + S(i) + "\n";
    for (int i = 1, own = Entries(sources, "slowniczek.txt"); i <= 250 - own; ++i)
        glossary += S(4000 + i) + "=<b>to postpone</b> – przełożyć@<b>the meeting</b> – spotkanie@<b>next week</b> – w przyszłym tygodniu\n";
    for (int i = Entries(sources, "otwarte.txt", "/") + 1; i <= 250; ++i) tasks += S(i) + "=" + S(i % 30 + 1) + "=" + S(i % 4 + 1) + "=Napisz list.=Write a letter.=\n";
    Append(sources, "Listy_r\\index.txt", letters);
    Append(sources, "slowniczek.txt", glossary);
    Append(sources, "otwarte.txt", tasks);
}

void Dialogues(CourseSources& sources) {
    std::string text;
    for (int d = static_cast<int>(DialogueCodes(sources).size()) + 1; d <= 70; ++d) {
        text += "D_01=" + std::string("Making an appointment ") + S(d) + "=Umawianie spotkania=appointment=" + S(d % 30 + 1) + "=" +
                S(d % 4 + 1) + "=TTNTT=" + S(d % 2) + "=2001=\n";
        for (int l = 1; l <= 25; ++l)
            text += "d01_0" + S((l - 1) % 8 + 1) + "=" + S(l % 2 + 1) + "=" + (l % 2 ? "Anna" : "David") +
                    ": Good morning, I'd like to speak to Mr Baker, please.=Dzień dobry, chciałbym rozmawiać z panem Bakerem.=\n";
        text += "*\n";
    }
    Append(sources, "dialogi.txt", text);
}

void LargeWordList(CourseSources& sources) {
    // 300 example sentences, then 4700 words of which every 15th from word 215 on is an item,
    // so that the 300th item is the file's last line (reading stops at the 300th item).
    std::string list = "Słówka: lista do pomiarów (5000 pozycji)\n9001100160\n";
    for (int i = 3; i <= 10; ++i) list += "wiersz nagłówka " + S(i) + "\n";
    for (int e = 0; e < 300; ++e)
        list += Digits(e % 100, 2) + " 0" + S(60001 + e) + " 05 We have to <postpone> the meeting " + S(e) +
                ". =Musimy przełożyć spotkanie.=Musimy przełożyć spotkanie.===" + S(201 + e % 8) + "=0====0\n";
    int items = 0;
    for (int id = 1; id <= 4700; ++id) {
        const bool item = id >= 215 && (id - 215) % 15 == 0;
        const std::string example = item ? S(60001 + items++) : "0";
        list += Digits(id % 100, 2) + " 0" + Digits(id, 5) + " 0" + S(id % 7 == 0 ? 3 : 1) + " postpone " + S(id) +
                " =przełożyć " + S(id) + "==put off/delay==" + S(101 + id % 15) + "=0===" + (item ? "cw" : "") + "=" + example + "\n";
    }
    sources.files["cw_r\\9001.bc4"] = list;
}

}  // namespace

void AddLargeCourse(CourseSources& sources) {
    InterfaceTables(sources);
    Texts(sources);
    Sentences(sources);
    Catalog(sources);
    Reference(sources);
    Dialogues(sources);
    LargeWordList(sources);
}

}  // namespace demo
