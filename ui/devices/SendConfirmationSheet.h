#pragma once

#include "models/DeviceViewModel.h"

#include <QDialog>

namespace marklode {

// "Send to NAME?": what a send will write, window-modal over the main window. Accepted means
// confirmed; rejected (Cancel, Escape) means cancelled.
class SendConfirmationSheet : public QDialog {
    Q_OBJECT
  public:
    SendConfirmationSheet(const SendPlan& plan, const QLocale& locale, QWidget* parent);
};

} // namespace marklode
