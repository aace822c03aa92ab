#include "chart/chart_printout.h"

namespace quillan {
namespace {

const std::string Q = "\"";

std::string Image(const std::string& programDir, const std::string& file) {
    return "<IMG SRC=" + Q + programDir + file + Q + ">";
}

std::string Cell(const std::string& content) { return "<TD>" + content + "</TD>"; }

std::string Row(const ChartNode& node, const std::string& programDir) {
    std::string name;
    for (int d = 1; d < node.depth; ++d) name += "&nbsp;&nbsp;&nbsp;";
    name += node.name;
    const std::string icon = PrintoutIcon(node.icon);
    const bool unscored = IsUnscoredKind(node.icon);
    std::string row = "<TR>";
    row += Cell(name);
    row += Cell(icon.empty() ? "" : Image(programDir, icon));
    row += Cell(node.depth > 1 && node.level >= 1 && node.level <= 4
                    ? Image(programDir, "htm_r\\poziom" + std::to_string(node.level) + ".jpg")
                    : "");
    row += Cell(Image(programDir, node.done ? "htm_r\\ruszone.jpg" : "htm_r\\ruszonenie.jpg"));
    row += Cell(node.depth == 3 ? (node.done ? node.dateText : "&nbsp;") : "");
    row += Cell(unscored ? "" : node.repetitionText.empty() ? "&nbsp;" : node.repetitionText);
    row += Cell(std::to_string(node.result) + "%");
    return row + "</TR>";
}

}  // namespace

std::string PrintoutIcon(int icon) {
    switch (icon) {
        case 1: return "htm_r\\1_film.jpg";
        case 2: return "htm_r\\2_nagranie.jpg";
        case 3: return "htm_r\\3_tekst.jpg";
        case 4: return "htm_r\\4_dialog_duzy.jpg";
        case 5: return "htm_r\\7_slowka.jpg";
        case 40: case 62: return "htm_r\\11_mchoice.jpg";
        case 41: return "htm_r\\8_truefalse.jpg";
        case 44: return "htm_r\\9_wpisywanie.jpg";
        case 45: return "htm_r\\10_pary.jpg";
        case 47: case 59: case 74: return "htm_r\\12_ddrop.jpg";
        case 56: case 60: case 71: return "htm_r\\13_NAGRYWANIE.jpg";
        case 57: return "htm_r\\5_letters.jpg";
        case 58: return "htm_r\\6_ciekawostka.jpg";
        case 61: case 73: return "htm_r\\14_rozumienie.jpg";
        case 63: return "htm_r\\16_dyktando.jpg";
        case 64: return "htm_r\\15_wpisywanie.jpg";
        case 70: return "htm_r\\17_dialog.jpg";
        default: return {};
    }
}

std::string ChartHtml(const ChartTree& tree, const std::string& programDir) {
    std::string html = "<html><head><link href=" + Q + programDir + "htm_r\\style.css" + Q + " rel=" + Q +
                       "stylesheet" + Q + " type=text/css></head><body><table>";
    html += "<TR><TD colspan=" + Q + "7" + Q + "><B>Quillan Business English - Results Chart</b><br><br></TD></TR>";
    html += "<TR><TD><B>Exercise</B>";
    for (const char* label : {"Task", "Level", "Done", "Last done", "Repetition", "Result"})
        html += std::string("</TD><TD><B>") + label + "</B>";
    html += "</TD></TR>";
    for (const ChartRow& row : tree.VisibleRows()) html += Row(*row.node, programDir);
    html += "<TR><TD colspan=" + Q + "7" + Q + ">" +
            "&copy; Quillan - Business English. Printed from the course program." + "</TD></TR>";
    html += "</TABLE></body></html>";
    return html;
}

}  // namespace quillan
