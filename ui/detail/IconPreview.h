#pragma once

#include "core/gpi/GPIIcon.h"

#include <QImage>
#include <QWidget>

namespace marklode {

// The icon's pixels as RGBA; magenta is the transparent colour, as on the device.
QImage iconPreviewImage(const GPIIcon& icon);

// The icon at 24 × 24, each source pixel a block, as the device's small icons look.
class IconPreview : public QWidget {
    Q_OBJECT
  public:
    explicit IconPreview(QWidget* parent = nullptr);
    void setIcon(const GPIIcon& icon);
    const QImage& image() const { return image_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

} // namespace marklode
