#include "chart/chart_painting.h"

#include <QPainter>

#include "controls/pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {
namespace {

using chart_geometry::RowHeight;

constexpr int kMissingPictureSize = 13;

QColor InkColour(ChartInk ink) {
    switch (ink) {
        case ChartInk::Name: return QColor(1, 153, 202);
        case ChartInk::Detail: return QColor(102, 102, 102);
        case ChartInk::Result: return QColor(0, 101, 153);
    }
    return Qt::black;
}

}  // namespace

const std::vector<std::string>& ChartPictures::Names() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list = {"img_plus", "img_minus", "rob_yes", "rob_no", "img_progress_back"};
        for (int n = 1; n <= 4; ++n) {
            list.push_back("poz_" + std::to_string(n));
            list.push_back("img_prog" + std::to_string(n));
        }
        for (int n = 1; n <= 5; ++n) list.push_back("typ_" + std::to_string(n));
        for (int kind = 40; kind <= 74; ++kind)
            if (const std::string picture = KindPicture(kind); !picture.empty()) list.push_back(picture);
        return list;
    }();
    return names;
}

void ChartPictures::Load() {
    pictures_.clear();
    for (const std::string& name : Names()) {
        QPixmap picture = IconPicture(name);
        if (!picture.isNull()) pictures_[name] = picture;
    }
    loaded_ = true;
}

const QPixmap* ChartPictures::Find(const std::string& name) const {
    const auto found = pictures_.find(name);
    return found == pictures_.end() ? nullptr : &found->second;
}

QFont ChartFont() {
    QFont font("Verdana");
    font.setPointSize(10);
    return font;
}

int QtChartMetrics::TextWidth(const std::string& text) const { return font_.horizontalAdvance(ToQt(text)); }

// A missing picture keeps its place (an expand box stays clickable without its picture).
int QtChartMetrics::PictureWidth(const std::string& picture) const {
    const QPixmap* p = pictures_.Find(picture);
    return p ? p->width() : kMissingPictureSize;
}

int QtChartMetrics::PictureHeight(const std::string& picture) const {
    const QPixmap* p = pictures_.Find(picture);
    return p ? p->height() : kMissingPictureSize;
}

void PaintChart(QPainter& painter, const ChartLayout& layout, const ChartPictures& pictures) {
    SmoothPictures(painter);
    painter.setFont(ChartFont());
    painter.setBackgroundMode(Qt::TransparentMode);
    for (const ChartItem& item : layout.items) {
        if (item.type == ChartItem::Type::Text) {
            painter.setPen(InkColour(item.ink));
            const int room = item.width > 0 ? item.width : chart_geometry::BoxWidth - item.x;
            QString text = ToQt(item.name);
            if (item.width > 0) text = painter.fontMetrics().elidedText(text, Qt::ElideRight, room);
            painter.drawText(QRect(item.x, item.top, room, RowHeight),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
            continue;
        }
        const QPixmap* picture = pictures.Find(item.name);
        if (!picture) continue;
        const int y = item.top + (RowHeight - picture->height()) / 2;
        if (item.type == ChartItem::Type::Picture) {
            painter.drawPixmap(item.x, y, *picture);
        } else if (item.width > 0) {
            const int w = std::min(item.width, picture->width());
            painter.drawPixmap(QRect(item.x, y, w, picture->height()), *picture, QRect(0, 0, w, picture->height()));
        }
    }
}

}  // namespace quillan
