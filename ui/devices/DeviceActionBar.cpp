#include "ui/devices/DeviceActionBar.h"

#include "models/LibraryViewModel.h"
#include "ui/devices/DeviceActions.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ShownText.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace marklode {

DeviceActionBar::DeviceActionBar(LibraryViewModel& library, DeviceViewModel& devices,
                                 DeviceActions& actions, QWidget* parent)
    : QWidget(parent), library_(library), devices_(devices), actions_(actions) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 0, 10, 10);
    layout->setSpacing(6);
    auto* divider = new QFrame;
    divider->setFrameShape(QFrame::HLine);
    divider->setFrameShadow(QFrame::Sunken);
    layout->addWidget(divider);

    send_ = new QPushButton(themedIcon("go-bottom"), tr("Send to Device\u2026"));
    send_->setObjectName(QStringLiteral("sendToDevice"));
    send_->setMinimumHeight(32);
    send_->setDefault(true);
    layout->addWidget(send_);

    progress_ = new QWidget;
    auto* progressLayout = new QHBoxLayout(progress_);
    progressLayout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QProgressBar;
    bar->setRange(0, 0);
    bar->setMaximumWidth(60);
    bar->setMaximumHeight(10);
    bar->setTextVisible(false);
    auto* label = new QLabel(tr("Writing to device\u2026"));
    bar->setAccessibleName(label->text());
    progressLayout->addStretch(1);
    progressLayout->addWidget(bar);
    progressLayout->addWidget(label);
    progressLayout->addStretch(1);
    layout->addWidget(progress_);

    connect(send_, &QPushButton::clicked, this, [this] {
        if (std::optional<GarminDevice> device = devices_.selectedDevice())
            actions_.send(*device);
    });
    for (auto signal : {&DeviceViewModel::devicesChanged, &DeviceViewModel::selectionChanged,
                        &DeviceViewModel::isBusyChanged})
        connect(&devices_, signal, this, &DeviceActionBar::update);
    connect(&library_, &LibraryViewModel::hasCategoriesChanged, this, &DeviceActionBar::update);
    update();
}

void DeviceActionBar::update() {
    bool busy = devices_.isBusy();
    send_->setVisible(!busy);
    progress_->setVisible(busy);
    std::optional<GarminDevice> device = devices_.selectedDevice();
    send_->setEnabled(actions_.canSend(device));
    QString tip =
        device ? tr("Write all files to %1 as one poi.gpi.").arg(shownText(device->displayName()))
               : tr("Connect a Garmin device or SD card first.");
    send_->setToolTip(tip);
    send_->setAccessibleDescription(tip);
}

} // namespace marklode
