#include "ui/devices/SendConfirmationSheet.h"

#include "core/devices/DeviceTransfer.h"
#include "core/devices/DeviceTransferError.h"
#include "core/text/ByteCount.h"
#include "models/QtText.h"
#include "rules/UserMessage.h"
#include "ui/widgets/ShownText.h"

namespace marklode {

namespace {

QString byteCount(std::int64_t bytes) {
    return fromUtf8(formattedByteCount(bytes));
}

ConfirmationSheet::Content content(const SendPlan& plan, const QLocale& locale) {
    QString device = shownText(plan.deviceName);
    ConfirmationSheet::Content content{
        SendConfirmationSheet::tr("Send to %1?").arg(device),
        "go-bottom",
        {{QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Device"), device},
         {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Categories"),
          locale.toString(static_cast<qlonglong>(plan.categoryCount))},
         {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "POIs"),
          locale.toString(static_cast<qlonglong>(plan.poiCount))},
         {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "File"),
          QStringLiteral("Garmin/POI/poi.gpi")}},
        plan.replacesExisting
            ? SendConfirmationSheet::tr("The custom POIs already on this device will be "
                                        "replaced. Marklode backs them up first.")
            : SendConfirmationSheet::tr("This device has no custom POIs yet."),
        plan.replacesExisting,
        plan.replacesExisting ? SendConfirmationSheet::tr("Back Up and Replace")
                              : SendConfirmationSheet::tr("Send"),
        QStringLiteral("confirmSend")};
    // Said only when some file makes several categories; otherwise the categories are the files.
    if (plan.fileCount && *plan.fileCount != plan.categoryCount)
        content.facts.insert(content.facts.begin() + 1,
                             {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Files"),
                              locale.toString(static_cast<qlonglong>(*plan.fileCount))});
    if (plan.fileSize)
        content.facts.push_back(
            {QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Size"), byteCount(*plan.fileSize)});
    if (plan.freeSpace)
        content.facts.push_back({QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", "Free space"),
                                 byteCount(*plan.freeSpace)});
    // The transfer would refuse it in these words; better before the user confirms.
    if (!plan.fits())
        content.refusal =
            fromUtf8(userMessage(std::make_exception_ptr(DeviceTransferError::notEnoughSpace(
                plan.deviceName, *plan.fileSize + DeviceTransfer::spaceMargin, *plan.freeSpace))));
    return content;
}

} // namespace

SendConfirmationSheet::SendConfirmationSheet(const SendPlan& plan, const QLocale& locale,
                                             QWidget* parent)
    : ConfirmationSheet(QStringLiteral("sendConfirmationSheet"), content(plan, locale), parent) {}

} // namespace marklode
