#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/NextAnswer.h"

#include <QAbstractButton>
#include <QPushButton>

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
    QPushButton* reject = nullptr;
    bool destructive = false;
    for (const auto& [label, role] : buttons) {
        QPushButton* button = box.addButton(label, role);
        if (role == QMessageBox::RejectRole)
            reject = button;
        destructive = destructive || role == QMessageBox::DestructiveRole;
    }
    // Return and Enter never do what can't be undone: beside a destructive button, the
    // cancelling one is the default.
    if (destructive && reject) {
        box.setDefaultButton(reject);
        box.setEscapeButton(reject);
    }
    box.exec();
    return box.clickedButton() ? box.clickedButton()->text().remove(QLatin1Char('&')) : QString();
}

} // namespace marklode
