#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/NextAnswer.h"

#include <QAbstractButton>

namespace marklode {

QString askQuestion(QWidget* parent, const QString& title, const QString& text,
                    const std::vector<std::pair<QString, QMessageBox::ButtonRole>>& buttons) {
    if (auto answer = NextAnswer::take())
        if (auto* button = std::get_if<QString>(&*answer))
            return *button;
    QMessageBox box(parent);
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(title);
    box.setText(title);
    box.setInformativeText(text);
    box.setAccessibleName(title);
    for (const auto& [label, role] : buttons)
        box.addButton(label, role);
    box.exec();
    return box.clickedButton() ? box.clickedButton()->text().remove(QLatin1Char('&')) : QString();
}

} // namespace marklode
