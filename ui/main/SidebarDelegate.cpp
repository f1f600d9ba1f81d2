#include "ui/main/SidebarDelegate.h"

#include "models/InputFile.h"
#include "ui/main/SidebarModel.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/Icons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace marklode {

namespace {

using Kind = SidebarModel::RowKind;

constexpr int margin = 6;
constexpr int spacing = 8;
constexpr int iconSize = 16;
const QColor orange(0xE0, 0x7B, 0x00);
const QColor red(0xD0, 0x20, 0x20);

Kind kindOf(const QModelIndex& index) {
    return static_cast<Kind>(index.data(SidebarModel::kindRole).toInt());
}

QFont captionFont(const QFont& base) {
    QFont font = base;
    font.setPointSizeF(base.pointSizeF() * 0.85);
    return font;
}

QColor secondary(const QPalette& palette) {
    QColor color = palette.color(QPalette::Text);
    color.setAlphaF(0.6f);
    return color;
}

QString issueCount(const QModelIndex& index) {
    return QString::number(index.data(SidebarModel::issueCountRole).toULongLong());
}

} // namespace

QRect SidebarDelegate::issueButtonRect(const QStyleOptionViewItem& option,
                                       const QModelIndex& index) {
    if (kindOf(index) != Kind::file || index.data(SidebarModel::issueCountRole).toULongLong() == 0)
        return {};
    QFont font = captionFont(option.font);
    font.setBold(true);
    int width = iconSize + 4 + QFontMetrics(font).horizontalAdvance(issueCount(index)) + 8;
    QRect row = option.rect;
    return QRect(row.right() - margin - width, row.center().y() - 10, width, 20);
}

QRect SidebarDelegate::ejectButtonRect(const QStyleOptionViewItem& option,
                                       const QModelIndex& index) {
    if (kindOf(index) != Kind::device)
        return {};
    QRect row = option.rect;
    return QRect(row.right() - margin - 22, row.center().y() - 11, 22, 22);
}

const SidebarDelegate::Heights& SidebarDelegate::heightsIn(const QFont& font) const {
    if (!heights_ || heights_->font != font) {
        int text = QFontMetrics(font).height();
        int caption = QFontMetrics(captionFont(font)).height();
        heights_ = Heights{font, 4 + text + 2 + caption + 4, text + 10, text + 8};
    }
    return *heights_;
}

QSize SidebarDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    switch (kindOf(index)) {
    case Kind::file:
    case Kind::device:
        return {200, heightsIn(option.font).twoLines};
    case Kind::section:
        return {200, heightsIn(option.font).section};
    case Kind::noDevice:
        return QStyledItemDelegate::sizeHint(option, index);
    case Kind::noFiles:
        return {200, heightsIn(option.font).noFiles};
    }
    return QStyledItemDelegate::sizeHint(option, index);
}

void SidebarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    Kind kind = kindOf(index);
    const QPalette& palette = option.palette;
    QRect row = option.rect;
    painter->save();
    if (kind == Kind::file || kind == Kind::device) {
        QStyleOptionViewItem background = option;
        background.text.clear();
        background.icon = QIcon();
        QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &background, painter,
                                           option.widget);
        if (kind == Kind::device && index.data(SidebarModel::isSelectedDeviceRole).toBool()) {
            QColor accent = palette.color(QPalette::Highlight);
            accent.setAlphaF(0.15f);
            painter->fillRect(row, accent);
        }
    }
    bool selected = (option.state & QStyle::State_Selected) != 0;
    QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    QColor dim = selected ? text : secondary(palette);
    // The warning colours in the shade that reads on this palette's rows, light or dark.
    const QColor& base = palette.color(QPalette::Base);

    switch (kind) {
    case Kind::section: {
        QFont font = captionFont(option.font);
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(secondary(palette));
        painter->drawText(row.adjusted(margin, 0, -margin, 0), Qt::AlignLeft | Qt::AlignBottom,
                          index.data().toString());
        break;
    }
    case Kind::noFiles:
        painter->setPen(secondary(palette));
        painter->drawText(row.adjusted(margin + 4, 0, -margin, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data().toString());
        break;
    case Kind::noDevice:
        break; // a widget of its own sits there
    case Kind::file:
    case Kind::device: {
        // Symbolic icons in the row's text colour, so that they read as well as the name.
        QIcon icon;
        if (kind == Kind::file)
            icon = symbolicIcon(index.data(SidebarModel::fileKindRole).toInt() ==
                                        static_cast<int>(InputKind::csv)
                                    ? "x-office-spreadsheet"
                                    : "gpx-track");
        else
            icon = symbolicIcon(
                index.data(SidebarModel::hasDeviceXMLRole).toBool() ? "car" : "media-flash");
        QRect iconRect(row.left() + margin, row.center().y() - iconSize / 2, iconSize, iconSize);
        paintIcon(painter, iconRect, icon, text);

        QRect button =
            kind == Kind::file ? issueButtonRect(option, index) : ejectButtonRect(option, index);
        int right = button.isNull() ? row.right() - margin : button.left() - spacing;
        QRect textRect(iconRect.right() + spacing, row.top() + 4,
                       right - iconRect.right() - spacing, row.height() - 8);
        QFontMetrics metrics(option.font);
        painter->setFont(option.font);
        painter->setPen(text);
        painter->drawText(
            textRect, Qt::AlignLeft | Qt::AlignTop,
            metrics.elidedText(index.data().toString(), Qt::ElideMiddle, textRect.width()));
        QFont caption = captionFont(option.font);
        painter->setFont(caption);
        bool isError = index.data(SidebarModel::isErrorRole).toBool();
        painter->setPen(isError && !selected ? readableOn(red, base) : dim);
        painter->drawText(
            textRect, Qt::AlignLeft | Qt::AlignBottom,
            QFontMetrics(caption).elidedText(index.data(SidebarModel::detailRole).toString(),
                                             Qt::ElideRight, textRect.width()));

        if (kind == Kind::file && !button.isNull()) {
            QFont bold = caption;
            bold.setBold(true);
            painter->setFont(bold);
            // On a selected row the count takes the row's text colour: orange on the
            // highlight is hard to read in either palette. Bold beside its icon, the count
            // keeps its orange where that reads at 3:1.
            painter->setPen(selected ? text : readableOn(orange, base, 3.0));
            themedIcon("dialog-warning")
                .paint(painter, QRect(button.left() + 2, button.center().y() - 7, 14, 14));
            painter->drawText(button.adjusted(iconSize + 4, 0, 0, 0),
                              Qt::AlignLeft | Qt::AlignVCenter, issueCount(index));
        } else if (kind == Kind::device) {
            bool enabled = ejectEnabled();
            QColor color = !enabled ? palette.color(QPalette::Disabled, QPalette::Text) : text;
            paintIcon(painter, button.adjusted(3, 3, -3, -3), symbolicIcon("media-eject"), color,
                      enabled ? QIcon::Normal : QIcon::Disabled);
        }
        break;
    }
    }
    painter->restore();
}

bool SidebarDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                  const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::MouseButtonRelease) {
        QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (QRect issues = issueButtonRect(option, index); issues.contains(at)) {
            Q_EMIT issuesClicked(index, issues);
            return true;
        }
        if (QRect eject = ejectButtonRect(option, index); eject.contains(at)) {
            if (ejectEnabled())
                Q_EMIT ejectClicked(index);
            return true;
        }
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

bool SidebarDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() == QEvent::ToolTip) {
        if (issueButtonRect(option, index).contains(event->pos())) {
            QToolTip::showText(
                event->globalPos(),
                SidebarModel::issueTooltip(index.data(SidebarModel::issueCountRole).toULongLong()),
                view);
            return true;
        }
        if (ejectButtonRect(option, index).contains(event->pos()) && ejectTooltip) {
            QToolTip::showText(event->globalPos(), ejectTooltip(index), view);
            return true;
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}

} // namespace marklode
