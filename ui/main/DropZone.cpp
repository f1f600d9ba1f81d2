#include "ui/main/DropZone.h"

#include "models/LibraryViewModel.h"
#include "ui/dialogs/FileDialogs.h"
#include "ui/widgets/Icons.h"

#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace marklode {

bool addDroppedURLs(LibraryViewModel& library, const QList<QUrl>& urls) {
    std::vector<Path> paths;
    for (const QUrl& url : urls)
        paths.emplace_back(url.toLocalFile().toStdString());
    // Filtering, expanding folders and reporting what can't be added are the add's work.
    QTimer::singleShot(0, &library, [&library, paths] { library.add(paths); });
    return !paths.empty();
}

DropZone::DropZone(LibraryViewModel& library, QWidget* parent)
    : QWidget(parent), library_(library) {
    setObjectName(QStringLiteral("dropZone"));
    setAccessibleName(tr("Drop .csv or .gpx files here"));
    setAcceptDrops(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(64, 64, 64, 64);
    layout->setSpacing(16);
    layout->addStretch(1);

    auto* icon = new QLabel;
    icon->setAlignment(Qt::AlignCenter);
    // The symbol in the palette's accent colour, again when the palette changes.
    showIcon(icon, symbolicIcon("mark-location"), 64, QPalette::Highlight);
    auto* title = new QLabel(accessibleName());
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* hint =
        new QLabel(tr("You can drop several files at once, or a folder that contains them."));
    hint->setForegroundRole(QPalette::PlaceholderText);
    hint->setWordWrap(true);
    auto* add = new QPushButton(tr("Add Files\u2026"));
    add->setObjectName(QStringLiteral("dropZoneAddFiles"));
    add->setDefault(true);
    add->setMinimumHeight(34);
    add->setMinimumWidth(140);
    for (QLabel* label : {icon, title, hint}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addWidget(add, 0, Qt::AlignCenter);
    layout->addStretch(1);
    connect(add, &QPushButton::clicked, this, [this] { presentAddFilesPanel(library_, this); });
}

void DropZone::setTargeted(bool targeted) {
    if (isTargeted_ == targeted)
        return;
    isTargeted_ = targeted;
    update();
}

void DropZone::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor accent = palette().color(QPalette::Highlight);
    // Inset 24 from the edges, the 2-wide border drawn inside the shape.
    QRectF shape = QRectF(rect()).adjusted(25, 25, -25, -25);
    QPainterPath path;
    path.addRoundedRect(shape, 15, 15);
    if (isTargeted_) {
        QColor fill = accent;
        fill.setAlphaF(0.08f);
        painter.fillPath(path, fill);
    }
    QColor border = isTargeted_ ? accent : palette().color(QPalette::PlaceholderText);
    if (!isTargeted_)
        border.setAlphaF(0.5f);
    QPen pen(border, 2, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setDashPattern({4, 3}); // 8 on, 6 off, in units of the pen's width
    pen.setMiterLimit(10);
    painter.setPen(pen);
    painter.drawPath(path);
}

void DropZone::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        setTargeted(true);
        event->acceptProposedAction();
    }
}

void DropZone::dragLeaveEvent(QDragLeaveEvent*) {
    setTargeted(false);
}

void DropZone::dropEvent(QDropEvent* event) {
    setTargeted(false);
    if (addDroppedURLs(library_, event->mimeData()->urls()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace marklode
