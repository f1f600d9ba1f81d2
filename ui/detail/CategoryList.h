#pragma once

#include <QListWidget>
#include <QLocale>
#include <QPointer>

namespace marklode {

class InputFile;

// The categories a file split by them makes, each with its number of POIs ("Fuel stations —
// 12"), in the order the device gets them. Shown only while the file makes more than one; a
// few rows tall, scrolling through the rest.
class CategoryList : public QListWidget {
    Q_OBJECT
  public:
    CategoryList(InputFile& file, const QLocale& locale, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // As small as the rows shown: a scroll area's own minimum is taller than two or three.
    QSize minimumSizeHint() const override { return sizeHint(); }

  private:
    void showCategories();

    QPointer<InputFile> file_;
    QLocale locale_;
};

} // namespace marklode
