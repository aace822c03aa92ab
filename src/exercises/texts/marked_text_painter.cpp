#include "exercises/texts/marked_text_painter.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <memory>
#include <unordered_map>

#include "platform/qt/qt_text.h"

namespace quillan {

namespace {

constexpr int kPoints = 10;

size_t StyleIndex(const TextStyle& style) { return (style.Bold ? 1u : 0u) + (style.Italic ? 2u : 0u); }

TextStyle StyleOfIndex(size_t index) { return TextStyle{(index & 1u) != 0, (index & 2u) != 0}; }

}  // namespace

QFont MarkedTextFont(const QString& family, const TextStyle& style) {
    QFont font(family);
    font.setPointSize(kPoints);
    font.setBold(style.Bold);
    font.setItalic(style.Italic);
    return font;
}

TextMeasure MarkedTextMeasure(const QString& family) {
    // The widths of the words met so far, per style: texts repeat their words, and a layout
    // measures every word at every paint.
    struct Metrics {
        std::vector<QFontMetrics> fonts;
        std::array<std::unordered_map<std::string, int>, 4> widths;
    };
    auto metrics = std::make_shared<Metrics>();
    for (size_t i = 0; i < 4; ++i) metrics->fonts.emplace_back(MarkedTextFont(family, StyleOfIndex(i)));
    return [metrics](std::string_view text, const TextStyle& style) {
        const size_t index = StyleIndex(style);
        auto& known = metrics->widths[index];
        const auto found = known.find(std::string(text));
        if (found != known.end()) return found->second;
        const int width = metrics->fonts[index].horizontalAdvance(ToQt(text));
        known.emplace(text, width);
        return width;
    };
}

void DrawPlacedWords(QPainter& painter, const QString& family, const std::vector<PlacedWord>& words, QPoint origin) {
    std::array<QFont, 4> fonts;
    for (size_t i = 0; i < fonts.size(); ++i) fonts[i] = MarkedTextFont(family, StyleOfIndex(i));
    painter.setBackgroundMode(Qt::TransparentMode);
    size_t current = fonts.size();
    int ascent = 0;
    for (const PlacedWord& word : words) {
        const size_t style = StyleIndex(word.Style);
        if (style != current) {
            painter.setFont(fonts[style]);
            ascent = painter.fontMetrics().ascent();
            current = style;
        }
        painter.drawText(QPoint(origin.x() + word.X, origin.y() + word.Y + ascent), ToQt(word.Text));
    }
}

void PaintMarkedText(QPainter& painter, int boxWidth, std::string_view langDir, const std::string& textLang2,
                     const std::string& textLang0, const std::string& textLang1, const QString& family) {
    const std::string& text = ChooseInstruction(langDir, textLang2, textLang0, textLang1);
    painter.setPen(Qt::black);
    DrawPlacedWords(painter, family, LayOutMarkedText(text, boxWidth, MarkedTextMeasure(family)));
}

}  // namespace quillan
