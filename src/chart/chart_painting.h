#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPixmap>
#include <string>
#include <unordered_map>

#include "chart/chart_view.h"

class QPainter;

namespace quillan {

// The pictures the chart draws beside its lines (expand boxes, kind, level and done icons, the
// result bar): the program's own pictures by their names.
class ChartPictures {
public:
    void Load();
    bool Loaded() const { return loaded_; }
    // Null for a name without a picture.
    const QPixmap* Find(const std::string& name) const;
    // Sets a picture (the benchmark draws its own).
    void Set(const std::string& name, const QPixmap& picture) { pictures_[name] = picture; }

    // Every picture the chart may draw.
    static const std::vector<std::string>& Names();

private:
    std::unordered_map<std::string, QPixmap> pictures_;
    bool loaded_ = false;
};

// The chart's font: Verdana 10 pt.
QFont ChartFont();

class QtChartMetrics : public ChartMetrics {
public:
    explicit QtChartMetrics(const ChartPictures& pictures) : pictures_(pictures), font_(ChartFont()) {}
    int TextWidth(const std::string& text) const override;
    int PictureWidth(const std::string& picture) const override;
    int PictureHeight(const std::string& picture) const override;

private:
    const ChartPictures& pictures_;
    QFontMetrics font_;
};

// Draws the items of a layout (paint-box coordinates) with transparent text background.
void PaintChart(QPainter& painter, const ChartLayout& layout, const ChartPictures& pictures);

}  // namespace quillan
