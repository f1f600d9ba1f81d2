#pragma once

#include <QMessageBox>
#include <QString>
#include <utility>
#include <vector>

namespace marklode {

// A modal question with buttons of our own texts, in order; answers the text of the button
// pressed ("" when dismissed). A test's NextAnswer is taken instead of showing anything.
QString askQuestion(QWidget* parent, const QString& title, const QString& text,
                    const std::vector<std::pair<QString, QMessageBox::ButtonRole>>& buttons);

} // namespace marklode
