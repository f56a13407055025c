#include "export/ChartStyle.h"

#include <QLineF>
#include <cmath>

#include "export/ChartShapes.h"

namespace amsaview {

const ChartShaper& SouthIndianShaper();
const ChartShaper& NorthIndianShaper();
const ChartShaper& EastIndianShaper();

namespace {

struct StyleNames {
    ChartStyle style;
    std::string_view key;
    const char* name;
};

constexpr std::array<StyleNames, 3> kStyleNames = {{
    {ChartStyle::South, "south", "South Indian"},
    {ChartStyle::North, "north", "North Indian"},
    {ChartStyle::East, "east", "East Indian"},
}};

const StyleNames& NamesOf(ChartStyle style) {
    for (const StyleNames& names : kStyleNames) {
        if (names.style == style) {
            return names;
        }
    }
    return kStyleNames[0];
}

}  // namespace

std::string_view StyleKey(ChartStyle style) {
    return NamesOf(style).key;
}

std::optional<ChartStyle> StyleFromKey(std::string_view key) {
    for (const StyleNames& names : kStyleNames) {
        if (names.key == key) {
            return names.style;
        }
    }
    return std::nullopt;
}

QString StyleName(ChartStyle style) {
    return QString::fromLatin1(NamesOf(style).name);
}

const ChartShaper& ShaperOf(ChartStyle style) {
    switch (style) {
        case ChartStyle::North:
            return NorthIndianShaper();
        case ChartStyle::East:
            return EastIndianShaper();
        case ChartStyle::South:
            break;
    }
    return SouthIndianShaper();
}

namespace shapes {

QLineF CornerStroke(const QPolygonF& outline, qsizetype corner, double length) {
    const qsizetype count = outline.size();
    const QPointF at = outline[corner];
    const auto along = [&](const QPointF& towards) {
        QLineF edge(at, towards);
        edge.setLength(std::min(length, edge.length() / 2));
        return edge.p2();
    };
    return {along(outline[(corner + 1) % count]), along(outline[(corner + count - 1) % count])};
}

void FinishLayout(ChartLayout& layout, const std::array<qsizetype, kSignCount>& markedCorner) {
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        layout.boxes[sign] = layout.outlines[sign].boundingRect();
    }
    if (layout.lagnaSign && markedCorner[*layout.lagnaSign] >= 0) {
        const std::size_t sign = *layout.lagnaSign;
        layout.lagnaStroke = CornerStroke(layout.outlines[sign], markedCorner[sign],
                                          kLagnaStroke * layout.unitsPerTwip);
    }
}

}  // namespace shapes
}  // namespace amsaview
