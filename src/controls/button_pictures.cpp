#include "controls/button_pictures.h"

#include <array>

namespace quillan {
namespace {

struct ButtonPicture {
    const char* file;
    bool inLangDir;  // a picture with words on it, one per interface language
};

constexpr std::array<ButtonPicture, 62> kButtonPictures = {{
    {"ok2.bmp", false},           {"anuluj2.bmp", false},        {"play.bmp", false},
    {"stop.bmp", false},          {"strz_up.bmp", false},        {"strz_dn.bmp", false},
    {"Pause.bmp", false},         {"Glosnik2.bmp", false},       {"ok_duzy.bmp", false},
    {"sprawdz_rozum.bmp", false}, {"mikrof2.bmp", false},        {"slownik2.bmp", false},
    {"repeat_cw.bmp", false},     {"podr_druk2.bmp", false},     {"podr_back2.bmp", false},
    {"op_gora.bmp", false},       {"op_dol.bmp", false},         {"info2_rozum.bmp", false},
    {"nagr_a.bmp", false},        {"nagr_b.bmp", false},         {"nagr_c.bmp", false},
    {"nagr_d.bmp", false},        {"m_subj.bmp", false},         {"b_zwin.bmp", false},
    {"b_rozwin.bmp", false},      {"b_next_sl.bmp", false},      {"m_conv.bmp", false},
    {"cw_back.bmp", false},       {"glos_maly.bmp", false},      {"nowy_user.bmp", true},
    {"podr_spis2.bmp", false},    {"D_play.bmp", false},         {"D_playA.bmp", false},
    {"D_playB.bmp", false},       {"D_playC.bmp", false},        {"D_playD.bmp", false},
    {"D_Start.bmp", false},       {"D_Nastep.bmp", false},       {"D_Help.bmp", false},
    {"zd_sprawdz.bmp", true},     {"zd_ok_duzy.bmp", false},     {"zd_umiem.bmp", true},
    {"zd_nie_umiem.bmp", true},   {"close_panel.bmp", false},    {"help.bmp", false},
    {"next.bmp", true},           {"m_repet.bmp", false},        {"Wybor_ok.bmp", false},
    {"ok_rozum.bmp", true},       {"rozum_graj.bmp", false},     {"panel_film.bmp", false},
    {"kas_powt.bmp", true},       {"m_result.bmp", false},       {"glosniki_gora.bmp", false},
    {"glosniki_dol.bmp", false},  {"rozum_druk.bmp", false},     {"dial_druk.bmp", false},
    {"analizator.bmp", false},    {"panel_html.bmp", false},     {"zarowka.bmp", false},
    {"kas_1_powt.bmp", true},     {"print.bmp", false},
}};

}  // namespace

std::vector<std::string> ButtonPicturePaths(const StartupState& state) {
    std::vector<std::string> paths;
    paths.reserve(kButtonPictures.size());
    for (const ButtonPicture& picture : kButtonPictures)
        paths.push_back(state.ProgramDir + (picture.inLangDir ? state.LangDir : std::string()) + "but_r\\" +
                        picture.file);
    return paths;
}

}  // namespace quillan
