#pragma once

#include "models/DeviceViewModel.h"
#include "ui/widgets/ConfirmationSheet.h"

namespace marklode {

// "Send to NAME?": what a send will write.
class SendConfirmationSheet : public ConfirmationSheet {
    Q_OBJECT
  public:
    SendConfirmationSheet(const SendPlan& plan, const QLocale& locale, QWidget* parent);
};

} // namespace marklode
