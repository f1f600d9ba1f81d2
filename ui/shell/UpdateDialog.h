#pragma once

#include "core/io/FileSystem.h"
#include "models/UpdateChecker.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QProgressBar;

namespace marklode {

class ReleaseNotesView;

// What the dialog does outside the program; tests record instead.
struct UpdateActions {
    std::function<void(const QUrl&)> openUrl;         // the package installer, the browser
    std::function<void(const Path& file)> revealFile; // the file manager
};

// The update check's own window: checking, up to date, the offer with its notes, the download's
// progress, and the verified file with what to do with it; every failure is told here.
class UpdateDialog : public QDialog {
    Q_OBJECT
  public:
    UpdateDialog(UpdateChecker& checker, QString currentVersion, UpdateActions actions,
                 QWidget* parent = nullptr);

    // Shown before the check starts, so that a check that fails at once still has a window.
    void showChecking();

    QString title() const;
    QString message() const;

  protected:
    void reject() override;

  private:
    struct Button {
        std::string text;
        QDialogButtonBox::ButtonRole role;
        std::function<void()> action;
    };
    void showState(const UpdateDialogTexts& texts, const std::vector<Button>& buttons);
    void showOffer(const AppcastItem& release);
    void showVerified(const QString& path);
    void showFailure(const UpdateDialogTexts& texts);
    // The dialog's height to what the state shows: a state with fewer parts leaves no gap.
    void fitToContent();

    UpdateChecker& checker_;
    QString currentVersion_;
    UpdateActions actions_;
    AppcastItem offer_;
    QLabel* title_;
    QLabel* message_;
    ReleaseNotesView* notes_;
    QLabel* notesLink_;
    QProgressBar* progress_;
    QDialogButtonBox* buttons_;
};

} // namespace marklode
