#include "ui/map/MarkerPainter.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace marklode::map;

namespace {

TEST(MarkerPainter, ClusterCountsFitTheirPins) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    struct Case {
        std::size_t count;
        QLocale locale;
        QString label;
    } cases[] = {
        {2, english, "2"},
        {999, english, "999"},
        {1000, english, "1k"},
        {1299, english, "1.2k"},
        {1999, english, "1.9k"},
        {12'345, english, "12k"},
        {120'000, english, "120k"},
        {999'999, english, "999k"},
        {1'234'567, english, "1.2M"},
        {12'345'678, english, "12M"},
        {1299, QLocale(QLocale::German, QLocale::Germany), "1,2k"},
    };
    MarkerPainter painter;
    painter.setFont(QFont());
    for (const auto& c : cases) {
        const QString label = MarkerPainter::clusterLabel(c.count, c.locale);
        EXPECT_EQ(label, c.label) << c.count;
        const QFont shown = painter.glyphFont(label);
        EXPECT_LE(QFontMetricsF(shown).horizontalAdvance(label), MarkerPainter::glyphRoom())
            << c.count;
        EXPECT_GE(shown.pixelSize(), 8) << c.count << ": still legible";
    }
}

} // namespace
