#pragma once

#include <QLocale>
#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;

namespace marklode {

class FileDetailView;

// The toolbar's search: the field, and beside it how many POIs match ("12 of 1,234") while
// there is something to search for. Escape empties the field.
class SearchField : public QWidget {
    Q_OBJECT
  public:
    explicit SearchField(const QLocale& locale, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    QLabel* count() const { return count_; }
    // The view the text searches; null for none. Each view starts with an empty field.
    void setView(FileDetailView* view);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showCount();

    QLocale locale_;
    QLineEdit* field_;
    QLabel* count_;
    QPointer<FileDetailView> view_;
    QMetaObject::Connection matches_;
};

} // namespace marklode
