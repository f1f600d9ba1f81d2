#pragma once

#include <QFrame>

namespace marklode {

class InputFile;

// "Skipped rows in NAME": the file's issues with their lines and reasons, 420 × 300, in a
// popup anchored to the row's issue button.
class IssuesPopover : public QFrame {
    Q_OBJECT
  public:
    IssuesPopover(const InputFile& file, QWidget* parent = nullptr);
    // Shows it below-left of the button, its right edge at the button's.
    void showAt(const QRect& globalButton);
};

} // namespace marklode
