#pragma once

#include <QLabel>

namespace marklode {

// One line of text that ends in "…" where the space runs out, with the whole text as its
// tooltip then; it asks for no more width than the ellipsis, so it never holds a window wide.
class ElidedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // Hides QLabel's, which is not virtual: the tooltip follows the text.
    void setText(const QString& text);
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QString shownText() const;
    void updateToolTip();
};

} // namespace marklode
