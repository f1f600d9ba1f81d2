#include "ui/devices/NoDeviceHelp.h"

#include "ui/widgets/Icons.h"
#include "ui/widgets/Popover.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace marklode {

NoDeviceHelp::NoDeviceHelp(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 2, 6, 2);
    layout->setSpacing(6);
    auto* heading = new QHBoxLayout;
    auto* icon = new QLabel;
    showIcon(icon, themedIcon("help-browser"), 16);
    auto* label = new QLabel(tr("No Garmin found"));
    label->setForegroundRole(QPalette::PlaceholderText);
    heading->addWidget(icon);
    heading->addWidget(label, 1);
    auto* why = new QPushButton(tr("Why isn't my Garmin shown?"));
    why->setObjectName(QStringLiteral("whyNoGarmin"));
    why->setFlat(true);
    why->setCursor(Qt::PointingHandCursor);
    why->setStyleSheet(QStringLiteral("QPushButton { color: palette(link); text-align: left; "
                                      "padding: 0; border: none; }"));
    QFont caption = why->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    why->setFont(caption);
    why->setAccessibleName(why->text());
    layout->addLayout(heading);
    layout->addWidget(why, 0, Qt::AlignLeft);
    connect(why, &QPushButton::clicked, this, [this] { showHelp(); });
}

QWidget* NoDeviceHelp::showHelp() {
    auto* why = findChild<QPushButton*>(QStringLiteral("whyNoGarmin"));
    auto* popup = new Popover(tr("Your Garmin may use MTP mode"), why);
    popup->setObjectName(QStringLiteral("noDeviceHelpPopup"));
    popup->setFixedWidth(320);
    auto* layout = new QVBoxLayout(popup);
    layout->setSpacing(10);
    auto* title = new QLabel(tr("Your Garmin may use MTP mode"));
    QFont headline = title->font();
    headline.setBold(true);
    title->setFont(headline);
    auto* mtp =
        new QLabel(tr("Your Garmin may use MTP mode. Save the .gpi file and copy it with your "
                      "file manager into Garmin/POI/."));
    auto* older = new QLabel(tr("Older Garmin devices and SD cards appear here as soon as they are "
                                "connected and mounted."));
    older->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel* label : {title, mtp, older}) {
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    popup->showAt(why->mapToGlobal(QPoint(why->width() + 4, 0)));
    return popup;
}

} // namespace marklode
