#pragma once

#include "ui/widgets/Popover.h"

namespace marklode {

class InputFile;

// "Skipped rows in NAME": the file's issues with their lines and reasons, 420 × 300, in a
// popover below the row's issue button.
class IssuesPopover : public Popover {
    Q_OBJECT
  public:
    IssuesPopover(const InputFile& file, QWidget* opener);
};

} // namespace marklode
