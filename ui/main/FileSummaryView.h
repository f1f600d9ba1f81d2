#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;

namespace marklode {

class InputFile;
class LibraryViewModel;

// The selected file's name and POI count in the detail column.
class FileSummaryView : public QWidget {
    Q_OBJECT
  public:
    explicit FileSummaryView(LibraryViewModel& library, QWidget* parent = nullptr);
    void showFile(InputFile* file);

  private:
    void refresh();

    LibraryViewModel& library_;
    QPointer<InputFile> file_;
    QLabel* title_;
    QLabel* subtitle_;
};

} // namespace marklode
