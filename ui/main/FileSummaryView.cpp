#include "ui/main/FileSummaryView.h"

#include "models/InputFile.h"
#include "models/LibraryViewModel.h"
#include "ui/main/SidebarModel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace marklode {

FileSummaryView::FileSummaryView(LibraryViewModel& library, QWidget* parent)
    : QWidget(parent), library_(library) {
    setObjectName(QStringLiteral("fileSummary"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    title_ = new QLabel;
    QFont titleFont = title_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    subtitle_ = new QLabel;
    subtitle_->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(title_);
    layout->addWidget(subtitle_);
    layout->addStretch(1);
}

void FileSummaryView::showFile(InputFile* file) {
    if (file_)
        disconnect(file_, nullptr, this, nullptr);
    file_ = file;
    if (file_)
        for (auto signal :
             {&InputFile::rowsChanged, &InputFile::isLoadingChanged, &InputFile::loadErrorChanged})
            connect(file_, signal, this, &FileSummaryView::refresh);
    refresh();
}

void FileSummaryView::refresh() {
    if (!file_)
        return;
    title_->setText(QString::fromStdString(file_->url().filename().string()));
    QString detail = file_->isLoading() ? QStringLiteral("Reading\u2026")
                     : file_->loadError()
                         ? *file_->loadError()
                         : SidebarModel::poiCountText(file_->rows().size(), library_.locale());
    subtitle_->setText(detail);
    setAccessibleName(title_->text());
    setAccessibleDescription(detail);
}

} // namespace marklode
