#pragma once

#include <QFont>
#include <QStyledItemDelegate>
#include <functional>
#include <optional>

namespace marklode {

// Paints the sidebar's rows: a file's kind icon, its name shortened in the middle, the detail
// line and the orange skipped-rows button; a device's icon, name, caption and eject button.
// The buttons are parts of the row, so clicks and tooltips on them are handled here.
class SidebarDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // Whether a device's eject button can be used now, and its tooltip.
    std::function<bool()> ejectEnabled = [] { return true; };
    std::function<QString(const QModelIndex&)> ejectTooltip;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    // Where the row's button is (empty when the row has none).
    static QRect issueButtonRect(const QStyleOptionViewItem& option, const QModelIndex& index);
    static QRect ejectButtonRect(const QStyleOptionViewItem& option, const QModelIndex& index);

  Q_SIGNALS:
    void issuesClicked(const QModelIndex& index, const QRect& button);
    void ejectClicked(const QModelIndex& index);

  private:
    // The rows' heights in the font last asked about: the view asks once per row, and measuring
    // fonts for each of ten thousand files held the window.
    struct Heights {
        QFont font;
        int twoLines = 0; // a file or a device
        int section = 0;
        int noFiles = 0;
    };
    const Heights& heightsIn(const QFont& font) const;

    mutable std::optional<Heights> heights_;
};

} // namespace marklode
