#include "ui/detail/SettingsForm.h"

#include "models/InputFile.h"
#include "models/QtText.h"
#include "rules/LibraryMessages.h"
#include "ui/detail/CategoryList.h"
#include "ui/detail/IconPreview.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/ShownText.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace marklode {

namespace {

QString fileName(const Path& url) {
    return shownFileName(url);
}

// Picker items carry their case as data, so that the order of items is all the mapping there is.
template <typename Enum> void addItem(QComboBox* picker, const QString& label, Enum value) {
    picker->addItem(label, static_cast<int>(value));
}

template <typename Enum> Enum currentCase(const QComboBox* picker) {
    return static_cast<Enum>(picker->currentData().toInt());
}

// One of the speed unit's segments. The chosen one is tinted with the palette's selection
// colour, in a shade its label reads on: a pressed-in bevel alone looks much like a raised one
// in a dark palette. Screen readers hear the pair as radio buttons, the
// chosen one checked.
class SegmentButton final : public QPushButton {
  public:
    explicit SegmentButton(const QString& text) : QPushButton(text) {
        setCheckable(true);
        setAutoExclusive(true);
        setAccessibleName(text);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        if (isChecked()) {
            const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
            const QPalette& own = palette();
            const QColor text = own.color(group, QPalette::ButtonText);
            // Half way to the selection colour, then as much darker (or lighter) as the label
            // needs: with room to spare, since styles shade the face.
            QColor tint = readableOn(mixedColor(own.color(group, QPalette::Button),
                                                own.color(group, QPalette::Highlight), 0.5),
                                     text, 6.5);
            option.palette.setColor(QPalette::Button, tint);
        }
        painter.drawControl(QStyle::CE_PushButton, option);
    }
};

// A short red note under a row, read out with it; the red is the shade that reads on the
// palette's window, light or dark.
QLabel* callout() {
    auto* label = new QLabel;
    label->setWordWrap(true);
    followPalette(label, [label] {
        QPalette red = label->palette();
        red.setColor(QPalette::WindowText,
                     readableOn(QColor(0xd7, 0x26, 0x1e), red.color(QPalette::Window)));
        label->setPalette(red);
    });
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.9);
    label->setFont(font);
    label->hide();
    return label;
}

void showCallout(QLabel* label, const std::optional<QString>& text) {
    label->setText(text.value_or(QString()));
    label->setAccessibleName(text.value_or(QString()));
    label->setVisible(text.has_value());
}

template <typename Enum> void showCase(QComboBox* picker, Enum value) {
    picker->setCurrentIndex(picker->findData(static_cast<int>(value)));
}

} // namespace

SettingsForm::SettingsForm(InputFile& file, const QLocale& locale, QWidget* parent)
    : QWidget(parent), file_(&file), locale_(locale) {
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
    setObjectName(QStringLiteral("settingsForm"));
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    // A narrow window puts the labels above their fields rather than cutting them off.
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form->setContentsMargins(20, 16, 20, 12);
    form->setVerticalSpacing(12);

    category_ = new QLineEdit;
    category_->setMaximumWidth(320);
    category_->setPlaceholderText(tr("Category shown on the device"));
    category_->setAccessibleName(tr("Category name"));
    connect(category_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (file_)
            file_->setCategoryName(text);
    });
    form->addRow(tr("Category name"), category_);

    categoryMode_ = new QComboBox;
    categoryMode_->setAccessibleName(tr("Categories"));
    addItem(categoryMode_, tr("One for the file"), CategoryMode::oneForFile);
    addItem(categoryMode_, tr("From the file"), CategoryMode::fromFile);
    connect(categoryMode_, &QComboBox::activated, this, [this] {
        if (file_)
            file_->setCategoryMode(currentCase<CategoryMode>(categoryMode_));
    });
    form->addRow(tr("Categories"), categoryMode_);
    categories_ = new CategoryList(file, locale);
    form->addRow(QString(), categories_);

    if (file.kind() == InputKind::csv) {
        auto* segments = new QWidget;
        auto* row = new QHBoxLayout(segments);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        speedUnit_ = new QButtonGroup(this);
        for (auto [label, unit] : {std::pair{QStringLiteral("km/h"), SpeedUnit::kilometersPerHour},
                                   std::pair{QStringLiteral("mph"), SpeedUnit::milesPerHour}}) {
            auto* button = new SegmentButton(label);
            speedUnit_->addButton(button, static_cast<int>(unit));
            row->addWidget(button);
        }
        row->addStretch(1);
        connect(speedUnit_, &QButtonGroup::idClicked, this, [this](int unit) {
            if (file_)
                file_->setSpeedUnit(static_cast<SpeedUnit>(unit));
        });
        //: The speed limit written after a POI's name, e.g. "Radar @50".
        const QString label = tr("Speed in names (\u201c@50\u201d)");
        segments->setAccessibleName(label);
        form->addRow(label, segments);
    }

    auto* proximityRow = new QWidget;
    auto* proximityLayout = new QHBoxLayout(proximityRow);
    proximityLayout->setContentsMargins(0, 0, 0, 0);
    proximity_ = new QComboBox;
    proximity_->setAccessibleName(tr("Proximity alerts"));
    //: Proximity alerts: none.
    addItem(proximity_, tr("Off"), ProximityMode::off);
    addItem(proximity_, tr("Use values from file"), ProximityMode::fromFile);
    addItem(proximity_, tr("One distance for all"), ProximityMode::fixed);
    connect(proximity_, &QComboBox::activated, this, [this] {
        if (file_)
            file_->setProximityMode(currentCase<ProximityMode>(proximity_));
    });
    distance_ = new QLineEdit;
    distance_->setFixedWidth(70);
    distance_->setAccessibleName(tr("Distance"));
    distance_->setAlignment(Qt::AlignRight);
    auto* validator = new QDoubleValidator(0, 1e9, 6, distance_);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(locale_);
    distance_->setValidator(validator);
    connect(distance_, &QLineEdit::editingFinished, this, &SettingsForm::commitDistance);
    unit_ = new QComboBox;
    unit_->setAccessibleName(tr("Unit"));
    addItem(unit_, tr("Metres"), DistanceUnit::meters);
    addItem(unit_, tr("Feet"), DistanceUnit::feet);
    connect(unit_, &QComboBox::activated, this, [this] {
        showCallout(distanceError_, std::nullopt);
        if (file_)
            file_->setDistanceUnit(currentCase<DistanceUnit>(unit_));
    });
    proximityLayout->addWidget(proximity_);
    proximityLayout->addWidget(distance_);
    proximityLayout->addWidget(unit_);
    proximityLayout->addStretch(1);
    form->addRow(tr("Proximity alerts"), proximityRow);
    // Screen readers on Linux name a picker by its current item and find its label through
    // the buddy relation.
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(proximityRow)))
        label->setBuddy(proximity_);
    distanceError_ = callout();
    distanceError_->setObjectName(QStringLiteral("distanceError"));
    form->addRow(QString(), distanceError_);

    auto* iconRow = new QWidget;
    auto* iconLayout = new QHBoxLayout(iconRow);
    iconLayout->setContentsMargins(0, 0, 0, 0);
    iconLayout->setAlignment(Qt::AlignVCenter);
    iconPreview_ = new IconPreview;
    iconSourceMark_ = new QLabel;
    iconSourceMark_->setPixmap(themedIcon("emblem-default").pixmap(16, 16));
    iconSourceText_ = new ElidedLabel;
    chooseIcon_ = new QPushButton(tr("Choose Icon\u2026"));
    chooseIcon_->setAccessibleName(chooseIcon_->text());
    connect(chooseIcon_, &QPushButton::clicked, this, [this] {
        if (file_)
            presentIconPanel(*file_, this);
    });
    useDefaultIcon_ = new QPushButton(tr("Use Default"));
    useDefaultIcon_->setAccessibleName(useDefaultIcon_->text());
    connect(useDefaultIcon_, &QPushButton::clicked, this, [this] {
        if (file_)
            file_->applyIconSource(IconSource::builtIn());
    });
    for (QWidget* part : std::initializer_list<QWidget*>{
             iconPreview_, iconSourceMark_, iconSourceText_, chooseIcon_, useDefaultIcon_})
        iconLayout->addWidget(part);
    iconLayout->addStretch(1);
    form->addRow(tr("Icon"), iconRow);

    iconError_ = callout();
    iconError_->setObjectName(QStringLiteral("iconError"));
    form->addRow(iconError_);

    connect(&file, &InputFile::categoryNameChanged, this, &SettingsForm::showCategory);
    connect(&file, &InputFile::categoryModeChanged, this, &SettingsForm::showCategoryMode);
    connect(&file, &InputFile::speedUnitChanged, this, &SettingsForm::showSpeedUnit);
    for (auto signal : {&InputFile::proximityModeChanged, &InputFile::fixedProximityChanged,
                        &InputFile::distanceUnitChanged})
        connect(&file, signal, this, &SettingsForm::showProximity);
    for (auto signal :
         {&InputFile::iconChanged, &InputFile::iconSourceChanged, &InputFile::iconErrorChanged})
        connect(&file, signal, this, &SettingsForm::showIcon);
    showCategory();
    showCategoryMode();
    showSpeedUnit();
    showProximity();
    showIcon();
}

void SettingsForm::showCategory() {
    // Only a change made elsewhere is shown, so typing keeps its cursor.
    if (file_ && category_->text() != file_->categoryName())
        category_->setText(file_->categoryName());
}

void SettingsForm::showCategoryMode() {
    if (file_)
        showCase(categoryMode_, file_->categoryMode());
}

void SettingsForm::showSpeedUnit() {
    if (file_ && speedUnit_)
        speedUnit_->button(static_cast<int>(file_->speedUnit()))->setChecked(true);
}

void SettingsForm::showProximity() {
    if (!file_)
        return;
    showCase(proximity_, file_->proximityMode());
    showCase(unit_, file_->distanceUnit());
    if (!distance_->hasFocus())
        showDistance();
    bool fixed = file_->proximityMode() == ProximityMode::fixed;
    distance_->setVisible(fixed);
    unit_->setVisible(fixed);
}

void SettingsForm::commitDistance() {
    if (!file_)
        return;
    bool ok = false;
    double value = locale_.toDouble(distance_->text(), &ok);
    DistanceUnit unit = file_->distanceUnit();
    bool usable = ok && isUsableFixedProximity(value, unit);
    if (usable)
        file_->setFixedProximity(value);
    // An unusable entry goes back to the value in force, saying why.
    showCallout(distanceError_,
                usable ? std::nullopt : std::optional(fromUtf8(fixedProximityRangeMessage(unit))));
    showDistance();
}

void SettingsForm::showDistance() {
    distance_->setText(locale_.toString(file_->fixedProximity(), 'g', 15));
}

void SettingsForm::showIcon() {
    if (!file_)
        return;
    iconPreview_->setIcon(file_->icon() ? *file_->icon() : GPIIcon::defaultIcon());
    const IconSource& source = file_->iconSource();
    iconSourceMark_->setVisible(source.kind == IconSource::Kind::sidecar);
    switch (source.kind) {
    case IconSource::Kind::sidecar:
        iconSourceText_->setText(fromUtf8(sidecarIconText(source.url.filename().string())));
        break;
    case IconSource::Kind::custom:
        iconSourceText_->setText(fileName(source.url));
        break;
    case IconSource::Kind::builtIn:
        iconSourceText_->setText(tr("Marklode default"));
        break;
    }
    iconSourceText_->setAccessibleName(iconSourceText_->text());
    useDefaultIcon_->setVisible(source.kind != IconSource::Kind::builtIn);
    showCallout(iconError_, file_->iconError());
}

} // namespace marklode
