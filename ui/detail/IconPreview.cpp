#include "ui/detail/IconPreview.h"

#include <QPainter>

namespace marklode {

QImage iconPreviewImage(const GPIIcon& icon) {
    QImage image(icon.width(), icon.height(), QImage::Format_RGBA8888);
    const std::vector<std::uint8_t>& bgr = icon.pixelsBGR();
    std::size_t at = 0;
    for (int y = 0; y < icon.height(); ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < icon.width(); ++x, at += 3) {
            std::uint8_t blue = bgr[at], green = bgr[at + 1], red = bgr[at + 2];
            bool magenta = blue == 255 && green == 0 && red == 255;
            line[4 * x] = red;
            line[4 * x + 1] = green;
            line[4 * x + 2] = blue;
            line[4 * x + 3] = magenta ? 0 : 255;
        }
    }
    return image;
}

IconPreview::IconPreview(QWidget* parent) : QWidget(parent) {
    setFixedSize(24, 24);
    setAccessibleName(tr("Icon preview"));
}

void IconPreview::setIcon(const GPIIcon& icon) {
    image_ = iconPreviewImage(icon);
    update();
}

void IconPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), image_);
}

} // namespace marklode
