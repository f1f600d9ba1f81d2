#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>
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

} // namespace marklode
