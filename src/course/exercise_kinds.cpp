#include "course/exercise_kinds.h"

#include "platform/cp1250.h"

namespace quillan {

namespace {

const char* FixedName(int code) {
    switch (code) {
        case 1: return "Rozpoznawanie ze słuchu";
        case 2: return "Rozumienie tekstu";
        case 3: return "Rozumienie ze słuchu";
        case 4: return "Wybór tłumaczenia";
        case 5: return "Dyktando";
        case 6: return "Wpisywanie tlumaczenia";
        case 7: return "Wybór rodzajnika";
        case 8: return "Wpisywanie l.mnogiej";
        case 9: return "Ćwiczenie wymowy";
        case 10: return "Zdania - wybór";
        case 11: return "Zdania - rozumienie";
        case 12: return "Zdania - wpisywanie";
        case 15: return "Zdania - układanka";
        case 30: return "Tabela - uzupełnianie";
        case 31: return "Tekst - uzupełnianie";
        case 32: return "Kojarzenie w pary";
        case 34: return "Prawda czy fałsz";
        default: return nullptr;
    }
}

// The interface text that names a kind, 0 when none does.
int InterfaceTextOf(int code) {
    if (code >= 40 && code <= 46) return code - 11;  // 29..35
    if (code == 47) return 149;
    if (code >= 50 && code <= 52) return code - 14;  // 36..38
    if (code == 54) return 39;
    if (code >= 60 && code <= 64) return code + 90;  // 150..154
    if (code >= 70 && code <= 74) return code - 30;  // 40..44
    return 0;
}

}  // namespace

std::string ExerciseKindName(int code, int courseVariant, const InterfaceTexts& texts) {
    if (const char* name = FixedName(code)) return Utf8ToCp1250(name);
    if (code == 13 || code == 14) {
        static const char* const kLanguages[] = {"a", "n", "f"};
        if (courseVariant < 1 || courseVariant > 3) return {};
        const std::string language = kLanguages[courseVariant - 1];
        return Utf8ToCp1250("Zdania - tłumaczenie (") + (code == 13 ? language + "->p)" : "p->" + language + ")");
    }
    if (const int text = InterfaceTextOf(code)) return UiText(texts, text);
    return "CW numer" + std::to_string(code);
}

}  // namespace quillan
