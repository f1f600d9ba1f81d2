#pragma once

#include <QLocale>
#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace marklode {

class CategoryList;
class ElidedLabel;
class IconPreview;
class InputFile;

// The file's export settings: category, whether the categories the file gives its POIs are
// kept (and those they make), speed unit (CSV only), proximity alerts and icon. Every control
// writes straight into the file and follows it when it changes.
class SettingsForm : public QWidget {
    Q_OBJECT
  public:
    SettingsForm(InputFile& file, const QLocale& locale, QWidget* parent = nullptr);

    QLineEdit* categoryField() const { return category_; }
    QComboBox* categoryModePicker() const { return categoryMode_; }
    CategoryList* categoryList() const { return categories_; }
    QButtonGroup* speedUnitButtons() const { return speedUnit_; }
    QComboBox* proximityPicker() const { return proximity_; }
    QLineEdit* distanceField() const { return distance_; }
    QComboBox* unitPicker() const { return unit_; }
    ElidedLabel* iconSourceLabel() const { return iconSourceText_; }
    QPushButton* chooseIconButton() const { return chooseIcon_; }
    QPushButton* useDefaultIconButton() const { return useDefaultIcon_; }
    QLabel* iconErrorLabel() const { return iconError_; }
    QLabel* distanceErrorLabel() const { return distanceError_; }

  private:
    void showCategory();
    void showCategoryMode();
    void showSpeedUnit();
    void showProximity();
    void showIcon();
    void commitDistance();
    void showDistance();

    QPointer<InputFile> file_;
    QLocale locale_;
    QLineEdit* category_;
    QComboBox* categoryMode_;
    CategoryList* categories_;
    QButtonGroup* speedUnit_ = nullptr;
    QComboBox* proximity_;
    QLineEdit* distance_;
    QComboBox* unit_;
    IconPreview* iconPreview_;
    QLabel* iconSourceMark_;
    ElidedLabel* iconSourceText_;
    QPushButton* chooseIcon_;
    QPushButton* useDefaultIcon_;
    QLabel* iconError_;
    QLabel* distanceError_;
};

} // namespace marklode
