#include "ui/shell/UpdateDialog.h"

#include "models/QtText.h"
#include "ui/shell/ReleaseNotesView.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace marklode {

namespace {

std::string s(const QString& text) {
    return text.toStdString();
}

} // namespace

UpdateDialog::UpdateDialog(UpdateChecker& checker, QString currentVersion, UpdateActions actions,
                           QWidget* parent)
    : QDialog(parent), checker_(checker), currentVersion_(std::move(currentVersion)),
      actions_(std::move(actions)), title_(new QLabel), message_(new QLabel),
      notes_(new ReleaseNotesView), notesLink_(new QLabel), progress_(new QProgressBar),
      buttons_(new QDialogButtonBox) {
    setWindowTitle(fromUtf8(updateDialogTitle()));
    setMinimumWidth(460);
    QFont bold = title_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    title_->setFont(bold);
    title_->setWordWrap(true);
    title_->setTextFormat(Qt::PlainText);
    message_->setWordWrap(true);
    message_->setTextFormat(Qt::PlainText);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notes_->setMinimumHeight(160);
    connect(notes_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (url.scheme() == u"https" && actions_.openUrl)
            actions_.openUrl(url);
    });
    connect(notesLink_, &QLabel::linkActivated, this, [this](const QString&) {
        if (actions_.openUrl)
            actions_.openUrl(offer_.notesLink);
    });
    auto* layout = new QVBoxLayout(this);
    // At least what the shown parts need; fitToContent shrinks it to them after each state.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{title_, message_, notes_, notesLink_, progress_, buttons_})
        layout->addWidget(widget);

    connect(&checker_, &UpdateChecker::upToDate, this, [this] {
        showState(upToDateTexts(s(currentVersion_)),
                  {{closeButtonText(), QDialogButtonBox::AcceptRole, [this] { accept(); }}});
        fitToContent();
    });
    connect(&checker_, &UpdateChecker::updateAvailable, this, &UpdateDialog::showOffer);
    connect(&checker_, &UpdateChecker::checkFailed, this,
            [this](const UpdateError& error) { showFailure(checkFailedTexts(error)); });
    connect(&checker_, &UpdateChecker::downloadProgress, this,
            [this](qint64 received, qint64 total) {
                // Per mille keeps the bar's int range for files of any size.
                progress_->setRange(0, 1000);
                progress_->setValue(total > 0 ? static_cast<int>(received * 1000 / total) : 0);
            });
    connect(&checker_, &UpdateChecker::downloadVerified, this, &UpdateDialog::showVerified);
    connect(&checker_, &UpdateChecker::downloadFailed, this,
            [this](const UpdateError& error) { showFailure(downloadFailedTexts(error)); });
}

void UpdateDialog::showChecking() {
    showState(checkingTexts(),
              {{cancelButtonText(), QDialogButtonBox::RejectRole, [this] { reject(); }}});
    progress_->setRange(0, 0);
    progress_->show();
    fitToContent();
}

QString UpdateDialog::title() const {
    return title_->text();
}

QString UpdateDialog::message() const {
    return message_->text();
}

void UpdateDialog::reject() {
    checker_.cancel();
    QDialog::reject();
}

void UpdateDialog::showState(const UpdateDialogTexts& texts, const std::vector<Button>& buttons) {
    title_->setText(fromUtf8(texts.title));
    message_->setText(fromUtf8(texts.message));
    message_->setVisible(!texts.message.empty());
    notes_->hide();
    notesLink_->hide();
    progress_->hide();
    buttons_->clear();
    for (const Button& button : buttons) {
        QPushButton* pushButton = buttons_->addButton(fromUtf8(button.text), button.role);
        connect(pushButton, &QPushButton::clicked, this, button.action);
    }
    if (!buttons.empty())
        buttons_->buttons().constLast()->setFocus();
}

void UpdateDialog::showOffer(const AppcastItem& release) {
    offer_ = release;
    auto download = [this] {
        showState(downloadingTexts(s(offer_.shortVersion)),
                  {{cancelButtonText(), QDialogButtonBox::RejectRole, [this] { reject(); }}});
        progress_->setRange(0, 1000);
        progress_->setValue(0);
        progress_->show();
        fitToContent();
        checker_.download(offer_);
    };
    showState(updateAvailableTexts(s(release.shortVersion), s(currentVersion_)),
              {{notNowButtonText(), QDialogButtonBox::RejectRole, [this] { reject(); }},
               {downloadButtonText(), QDialogButtonBox::AcceptRole, download}});
    if (!release.notesHtml.trimmed().isEmpty()) {
        notes_->showNotes(release.notesHtml);
        notes_->show();
    }
    if (release.notesLink.isValid() && release.notesLink.scheme() == u"https") {
        notesLink_->setText(QStringLiteral("<a href=\"%1\">%2</a>")
                                .arg(release.notesLink.toString(QUrl::FullyEncoded).toHtmlEscaped(),
                                     fromUtf8(releaseNotesLinkText())));
        notesLink_->show();
    }
    fitToContent();
}

void UpdateDialog::showVerified(const QString& path) {
    QFileInfo file(path);
    showState(downloadVerifiedTexts(s(offer_.shortVersion), s(file.fileName()),
                                    s(QDir::toNativeSeparators(file.absolutePath()))),
              {{closeButtonText(), QDialogButtonBox::RejectRole, [this] { QDialog::reject(); }},
               {showInFileManagerButtonText(), QDialogButtonBox::ActionRole,
                [this, path] {
                    if (actions_.revealFile)
                        actions_.revealFile(Path(path.toStdString()));
                }},
               {openInstallerButtonText(), QDialogButtonBox::AcceptRole, [this, path] {
                    if (actions_.openUrl)
                        actions_.openUrl(QUrl::fromLocalFile(path));
                    accept();
                }}});
    fitToContent();
}

void UpdateDialog::showFailure(const UpdateDialogTexts& texts) {
    showState(texts,
              {{closeButtonText(), QDialogButtonBox::RejectRole, [this] { QDialog::reject(); }}});
    fitToContent();
}

void UpdateDialog::fitToContent() {
    // The layout learns of hidden and shown parts only when the event loop comes round; asked
    // now, it measures what this state shows.
    layout()->invalidate();
    layout()->activate();
    adjustSize();
}

} // namespace marklode
