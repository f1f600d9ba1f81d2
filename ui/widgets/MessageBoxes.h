#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace marklode {

using QuestionButtons = std::vector<std::pair<QString, QMessageBox::ButtonRole>>;

// A window-modal question with buttons of our own texts, in order. `answer` gets the role of
// the button pressed, RejectRole when the question was dismissed, once and on the main thread;
// the box is returned while it shows. A test's NextAnswer is answered at once instead, and
// nothing is shown.
QMessageBox* askQuestion(QWidget* parent, const QString& title, const QString& text,
                         const QuestionButtons& buttons,
                         std::function<void(QMessageBox::ButtonRole)> answer);

// A window-modal alert shown while its message is set; any way of closing it calls `clear`.
// Buttons are the caller's to add before opening it.
QMessageBox* openAlert(QWidget* parent, const QString& title, const QString& text,
                       std::function<void()> clear);

// Closes an alert whose message was replaced or cleared by the model, without calling its
// `clear` again.
void dismissQuietly(QPointer<QMessageBox>& alert);

// A "Marklode" warning with OK, shown while the message is set, replacing the one shown before.
void showWarning(QPointer<QMessageBox>& alert, QWidget* parent,
                 const std::optional<QString>& message, std::function<void()> clear);

} // namespace marklode
