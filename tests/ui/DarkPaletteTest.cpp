#include "WindowFixture.h"
#include "ui/detail/FileDetailView.h"
#include "ui/detail/SettingsForm.h"
#include "ui/main/Sidebar.h"
#include "ui/main/SidebarModel.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/Icons.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <fstream>

using namespace marklode;
using namespace marklode::test;

namespace {

// Breeze Dark's colours, as a desktop's dark scheme hands them to Qt.
QPalette darkPalette() {
    QPalette palette(QColor(0xfc, 0xfc, 0xfc), QColor(0x31, 0x36, 0x3b));
    palette.setColor(QPalette::Base, QColor(0x23, 0x26, 0x29));
    palette.setColor(QPalette::AlternateBase, QColor(0x2c, 0x30, 0x34));
    palette.setColor(QPalette::Text, QColor(0xfc, 0xfc, 0xfc));
    palette.setColor(QPalette::Button, QColor(0x31, 0x36, 0x3b));
    palette.setColor(QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    palette.setColor(QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc));
    palette.setColor(QPalette::PlaceholderText, QColor(0xa1, 0xa9, 0xb1));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, QColor(0x6e, 0x71, 0x75));
    return palette;
}

// The window in Fusion with the given palette, chosen at run time as a desktop would; the
// application's look is restored afterwards.
class DarkPaletteTest : public WindowFixture {
  protected:
    void SetUp() override {
        QApplication::setStyle(QStringLiteral("Fusion"));
        window->resize(1100, 720);
        window->show();
    }
    void TearDown() override { QApplication::setPalette(saved); }

    static void use(const QPalette& palette) {
        QApplication::setPalette(palette);
        QApplication::processEvents();
    }

    // Pixels of the area that stand out from its background by at least `ratio`.
    static int pixelsReading(const QImage& image, const QRect& area, const QColor& background,
                             double ratio) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (contrastRatio(image.pixelColor(x, y), background) >= ratio)
                    ++count;
        return count;
    }

    QPalette saved = QApplication::palette();
    QPalette light = QApplication::style()->standardPalette();
};

} // namespace

TEST_F(DarkPaletteTest, SidebarIconsAreDrawnInTheRowsTextColourInEitherPalette) {
    addFile("passes.gpx", "<gpx><wpt lat=\"1\" lon=\"2\"><name>A</name></wpt></gpx>");
    addFile("stops.csv", "Name,Latitude,Longitude\nA,47,8\n");
    Path garmin = plugIn("GARMIN");
    std::ofstream(garmin / "Garmin" / "GarminDevice.xml") << "<Device/>";
    plugIn("CARD");
    await(devices->refresh());
    QTreeView* list = window->sidebar()->list();
    SidebarModel* model = window->sidebar()->model();
    auto row = [&](SidebarModel::Section section, int at) {
        return model->index(at, 0, model->index(section, 0));
    };
    const std::pair<const char*, QModelIndex> rows[] = {
        {"gpx file (selected)", row(SidebarModel::files, 0)},
        {"csv file", row(SidebarModel::files, 1)},
        {"device with GarminDevice.xml", row(SidebarModel::devices, 0)},
        {"SD card", row(SidebarModel::devices, 1)},
    };
    ASSERT_TRUE(row(SidebarModel::devices, 0).data(SidebarModel::hasDeviceXMLRole).toBool());

    // Light first, then dark chosen while the window is open.
    for (const auto& [name, palette] : {std::pair{"light", light}, {"dark", darkPalette()}}) {
        use(palette);
        QImage shown = list->viewport()->grab().toImage();
        for (const auto& [kind, index] : rows) {
            QRect rect = list->visualRect(index);
            QRect icon(rect.left() + 6, rect.center().y() - 8, 16, 16);
            bool selected = list->selectionModel()->isSelected(index);
            QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
            int inTextColour = 0;
            for (int y = icon.top(); y <= icon.bottom(); ++y)
                for (int x = icon.left(); x <= icon.right(); ++x)
                    inTextColour += contrastRatio(shown.pixelColor(x, y), text) < 1.1;
            EXPECT_GE(inTextColour, 12) << name << ": " << kind;
            // Non-text graphics need 3:1 to be seen; the old mid-grey drawings had 2:1 on dark.
            if (!selected) {
                EXPECT_GE(pixelsReading(shown, icon, palette.color(QPalette::Base), 3.0), 12)
                    << name << ": " << kind;
            }
        }
    }
}

TEST_F(DarkPaletteTest, TheChosenSpeedUnitStandsOutAndIsCheckedForScreenReaders) {
    addFile("stops.csv", "Name,Latitude,Longitude\nA,47,8\n");
    SettingsForm* form = window->fileDetail()->settingsForm();
    // The window's locale is en_US: miles per hour are chosen.
    auto* kmh = qobject_cast<QPushButton*>(form->speedUnitButtons()->buttons().at(0));
    auto* mph = qobject_cast<QPushButton*>(form->speedUnitButtons()->buttons().at(1));
    ASSERT_TRUE(mph->isChecked());

    auto face = [](QPushButton* button) {
        return button->grab().toImage().pixelColor(button->width() / 2, 5);
    };
    for (const auto& [name, palette] : {std::pair{"light", light}, {"dark", darkPalette()}}) {
        use(palette);
        // Apart in colour, not only in bevel: the old pressed-in look differed by a few levels.
        QColor on = face(mph);
        QColor off = face(kmh);
        EXPECT_GE(std::abs(on.red() - off.red()) + std::abs(on.green() - off.green()) +
                      std::abs(on.blue() - off.blue()),
                  60)
            << name;
        for (QPushButton* button : {mph, kmh}) {
            QImage shown = button->grab().toImage();
            EXPECT_GE(pixelsReading(shown, shown.rect().adjusted(4, 4, -4, -4), face(button), 4.5),
                      20)
                << name << ": the label of " << button->text().toStdString();
        }
        QImage picker = form->proximityPicker()->grab().toImage();
        QColor pickerFace = picker.pixelColor(3, picker.height() / 2);
        EXPECT_GE(pixelsReading(picker, picker.rect().adjusted(4, 4, -24, -4), pickerFace, 4.5), 20)
            << name << ": the proximity picker's text";
    }

    auto checked = [](QPushButton* button) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(spoken->role(), QAccessible::RadioButton);
        return spoken->state().checked != 0;
    };
    EXPECT_FALSE(checked(kmh));
    EXPECT_TRUE(checked(mph));
    kmh->click();
    EXPECT_TRUE(checked(kmh));
    EXPECT_FALSE(checked(mph));
}

TEST_F(DarkPaletteTest, LabelIconsAndCalloutsFollowAPaletteChangedAtRunTime) {
    addFile("stops.csv", "Name,Latitude,Longitude\nA,47,8\n");
    auto* label = new QLabel(window.get());
    showIcon(label, symbolicIcon("gpx-track"), 16);
    QLabel* callout = window->fileDetail()->settingsForm()->distanceErrorLabel();
    for (const auto& [name, palette] : {std::pair{"light", light}, {"dark", darkPalette()}}) {
        use(palette);
        QImage icon = label->pixmap().toImage();
        QColor strongest = Qt::transparent;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (icon.pixelColor(x, y).alpha() > strongest.alpha())
                    strongest = icon.pixelColor(x, y);
        EXPECT_EQ(strongest.rgb(), palette.color(QPalette::WindowText).rgb()) << name;
        EXPECT_GE(contrastRatio(callout->palette().color(QPalette::WindowText),
                                callout->palette().color(QPalette::Window)),
                  4.5)
            << name << ": the red note under the distance";
    }
}

TEST(ContrastTest, ColoursAreShadedOnlyWhereTheyDoNotRead) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    const QColor red(0xd7, 0x26, 0x1e);
    EXPECT_EQ(readableOn(red, Qt::white), red) << "reads on white as it is";
    QColor onDark = readableOn(red, QColor(0x31, 0x36, 0x3b));
    EXPECT_GE(contrastRatio(onDark, QColor(0x31, 0x36, 0x3b)), 4.5);
    EXPECT_GT(onDark.lightness(), red.lightness()) << "lighter on a dark window";
    EXPECT_LT(readableOn(QColor(0xe0, 0x7b, 0x00), Qt::white).lightness(), 0xe0);

    // Qt's own KDE theme leaves the placeholder colour dark on a dark scheme.
    QPalette saved = QApplication::palette();
    QPalette dark = darkPalette();
    dark.setColor(QPalette::PlaceholderText, QColor(0x40, 0x40, 0x40));
    QApplication::setPalette(dark);
    keepPlaceholderTextReadable();
    auto secondary = [] {
        return contrastRatio(QApplication::palette().color(QPalette::PlaceholderText),
                             QApplication::palette().color(QPalette::Window));
    };
    EXPECT_GE(secondary(), 3.0);
    // A palette chosen later is kept readable too.
    dark.setColor(QPalette::PlaceholderText, QColor(0x38, 0x3c, 0x40));
    QApplication::setPalette(dark);
    EXPECT_GE(secondary(), 3.0);
    QApplication::setPalette(saved);
}

TEST(IconsTest, OnlyOneGreyDrawingsCountAsMonochrome) {
    for (const char* name : {"car", "gpx-track", "x-office-spreadsheet", "media-flash",
                             "media-eject", "list-add", "mark-location"})
        EXPECT_TRUE(isMonochrome(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)))
                                     .pixmap(32, 32)
                                     .toImage()))
            << name;
    for (const char* name : {"dialog-warning", "emblem-default"})
        EXPECT_FALSE(isMonochrome(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)))
                                      .pixmap(32, 32)
                                      .toImage()))
            << name;
}
