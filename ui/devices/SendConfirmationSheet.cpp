#include "ui/devices/SendConfirmationSheet.h"

#include "ui/widgets/FactGrid.h"
#include "ui/widgets/Icons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace marklode {

namespace {

QWidget* iconLabel(const char* icon, const QString& text, QLabel** textLabel) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* image = new QLabel;
    image->setPixmap(themedIcon(icon).pixmap(18, 18));
    *textLabel = new QLabel(text);
    (*textLabel)->setWordWrap(true);
    layout->addWidget(image, 0, Qt::AlignTop);
    layout->addWidget(*textLabel, 1);
    return row;
}

} // namespace

SendConfirmationSheet::SendConfirmationSheet(const SendPlan& plan, const QLocale& locale,
                                             QWidget* parent)
    : QDialog(parent) {
    setWindowModality(Qt::WindowModal);
    setObjectName(QStringLiteral("sendConfirmationSheet"));
    QString title = QStringLiteral("Send to %1?").arg(plan.deviceName);
    setWindowTitle(title);
    setAccessibleName(title);
    setFixedWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);

    QLabel* heading = nullptr;
    layout->addWidget(iconLabel("go-bottom", title, &heading));
    QFont titleFont = heading->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    titleFont.setBold(true);
    heading->setFont(titleFont);

    layout->addLayout(
        factGrid({{QStringLiteral("Device"), plan.deviceName},
                  {QStringLiteral("Categories"), QString::number(plan.categoryCount)},
                  {QStringLiteral("POIs"), locale.toString(static_cast<qlonglong>(plan.poiCount))},
                  {QStringLiteral("File"), QStringLiteral("Garmin/POI/poi.gpi")}}));

    QLabel* existing = nullptr;
    if (plan.replacesExisting) {
        layout->addWidget(iconLabel("dialog-warning",
                                    QStringLiteral("The custom POIs already on this device will be "
                                                   "replaced. Marklode backs them up first."),
                                    &existing));
        existing->setStyleSheet(QStringLiteral("color: #e07b00;"));
    } else {
        existing = new QLabel(QStringLiteral("This device has no custom POIs yet."));
        existing->setForegroundRole(QPalette::PlaceholderText);
        layout->addWidget(existing);
    }
    existing->setObjectName(QStringLiteral("existingPOIs"));
    auto* wait =
        new QLabel(QStringLiteral("Don't disconnect the device until Marklode says it's done."));
    wait->setWordWrap(true);
    wait->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(wait);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* confirm = new QPushButton(plan.replacesExisting ? QStringLiteral("Back Up and Replace")
                                                          : QStringLiteral("Send"));
    confirm->setObjectName(QStringLiteral("confirmSend"));
    confirm->setDefault(true);
    cancel->setAutoDefault(false);
    buttons->addWidget(cancel);
    buttons->addWidget(confirm);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(confirm, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace marklode
