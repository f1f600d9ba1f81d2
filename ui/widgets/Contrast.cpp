#include "ui/widgets/Contrast.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace marklode {

namespace {

double channel(double value) {
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color) {
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

// The colour as it shows over an opaque background.
QColor over(const QColor& color, const QColor& background) {
    const double alpha = color.alphaF();
    auto mix = [alpha](double top, double bottom) { return top * alpha + bottom * (1 - alpha); };
    return QColor::fromRgbF(static_cast<float>(mix(color.redF(), background.redF())),
                            static_cast<float>(mix(color.greenF(), background.greenF())),
                            static_cast<float>(mix(color.blueF(), background.blueF())));
}

class PaletteFollower final : public QObject {
  public:
    PaletteFollower(QObject* watched, std::function<void()> follow, QEvent::Type type)
        : QObject(watched), follow_(std::move(follow)), type_(type) {
        watched->installEventFilter(this);
    }

    // On the application object a filter sees every object's events: only its own count.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == type_ && !following_) {
            following_ = true;
            follow_();
            following_ = false;
        }
        return false;
    }

  private:
    std::function<void()> follow_;
    QEvent::Type type_;
    bool following_ = false;
};

void fixPlaceholderText() {
    QPalette palette = QApplication::palette();
    bool fixed = false;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor placeholder = palette.color(group, QPalette::PlaceholderText);
        const QColor window = palette.color(group, QPalette::Window);
        const QColor base = palette.color(group, QPalette::Base);
        if (std::min(contrastRatio(placeholder, window), contrastRatio(placeholder, base)) >= 3.0)
            continue;
        QColor secondary = palette.color(group, QPalette::WindowText);
        secondary.setAlphaF(0.65f);
        palette.setColor(group, QPalette::PlaceholderText, secondary);
        fixed = true;
    }
    if (fixed)
        QApplication::setPalette(palette);
}

} // namespace

double contrastRatio(const QColor& color, const QColor& background) {
    const QColor opaqueBackground = over(background, Qt::white);
    const double a = luminance(over(color, opaqueBackground));
    const double b = luminance(opaqueBackground);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableOn(const QColor& color, const QColor& background, double ratio) {
    if (contrastRatio(color, background) >= ratio)
        return color;
    const QColor target =
        contrastRatio(Qt::white, background) >= contrastRatio(Qt::black, background)
            ? QColor(Qt::white)
            : QColor(Qt::black);
    QColor shade = color;
    for (int step = 1; step <= 20; ++step) {
        shade = mixedColor(color, target, step / 20.0);
        if (contrastRatio(shade, background) >= ratio)
            break;
    }
    return shade;
}

QColor mixedColor(const QColor& from, const QColor& to, double share) {
    auto mix = [share](double a, double b) { return static_cast<float>(a + (b - a) * share); };
    QColor result = QColor::fromRgbF(mix(from.redF(), to.redF()), mix(from.greenF(), to.greenF()),
                                     mix(from.blueF(), to.blueF()));
    result.setAlphaF(from.alphaF());
    return result;
}

void followPalette(QWidget* widget, std::function<void()> follow) {
    follow();
    new PaletteFollower(widget, std::move(follow), QEvent::PaletteChange);
}

void keepPlaceholderTextReadable() {
    fixPlaceholderText();
    new PaletteFollower(qApp, fixPlaceholderText, QEvent::ApplicationPaletteChange);
}

} // namespace marklode
