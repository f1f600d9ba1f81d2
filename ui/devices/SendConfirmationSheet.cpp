#include "ui/devices/SendConfirmationSheet.h"

#include "ui/widgets/ShownText.h"

namespace marklode {

SendConfirmationSheet::SendConfirmationSheet(const SendPlan& plan, const QLocale& locale,
                                             QWidget* parent)
    : ConfirmationSheet(
          QStringLiteral("sendConfirmationSheet"),
          {QStringLiteral("Send to %1?").arg(shownText(plan.deviceName.toStdString())),
           "go-bottom",
           {{QStringLiteral("Device"), shownText(plan.deviceName.toStdString())},
            {QStringLiteral("Categories"), QString::number(plan.categoryCount)},
            {QStringLiteral("POIs"), locale.toString(static_cast<qlonglong>(plan.poiCount))},
            {QStringLiteral("File"), QStringLiteral("Garmin/POI/poi.gpi")}},
           plan.replacesExisting ? QStringLiteral("The custom POIs already on this device will be "
                                                  "replaced. Marklode backs them up first.")
                                 : QStringLiteral("This device has no custom POIs yet."),
           plan.replacesExisting,
           plan.replacesExisting ? QStringLiteral("Back Up and Replace") : QStringLiteral("Send"),
           QStringLiteral("confirmSend")},
          parent) {}

} // namespace marklode
