#include "ui/widgets/MessageBoxes.h"

#include "ui/widgets/NextAnswer.h"

#include <QAbstractButton>
#include <QPushButton>

namespace marklode {

namespace {

// A window-modal box that deletes itself once closed, its title repeated as its heading.
QMessageBox* windowModalBox(QWidget* parent, const QString& title, const QString& text) {
    auto* box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->setWindowTitle(title);
    box->setText(title);
    box->setInformativeText(text);
    box->setAccessibleName(title);
    box->setAccessibleDescription(text);
    return box;
}

} // namespace

QMessageBox* askQuestion(QWidget* parent, const QString& title, const QString& text,
                         const QuestionButtons& buttons,
                         std::function<void(QMessageBox::ButtonRole)> answer) {
    if (auto next = NextAnswer::take())
        if (auto* role = std::get_if<QMessageBox::ButtonRole>(&*next)) {
            answer(*role);
            return nullptr;
        }
    QMessageBox* box = windowModalBox(parent, title, text);
    box->setIcon(QMessageBox::Warning);
    QPushButton* reject = nullptr;
    bool destructive = false;
    for (const auto& [label, role] : buttons) {
        QPushButton* button = box->addButton(label, role);
        if (role == QMessageBox::RejectRole)
            reject = button;
        destructive = destructive || role == QMessageBox::DestructiveRole;
    }
    // Return and Enter never do what can't be undone: beside a destructive button, the
    // cancelling one is the default.
    if (destructive && reject) {
        box->setDefaultButton(reject);
        box->setEscapeButton(reject);
    }
    QObject::connect(box, &QMessageBox::finished, box, [box, answer = std::move(answer)] {
        QAbstractButton* clicked = box->clickedButton();
        answer(clicked ? box->buttonRole(clicked) : QMessageBox::RejectRole);
    });
    box->open();
    return box;
}

QMessageBox* openAlert(QWidget* parent, const QString& title, const QString& text,
                       std::function<void()> clear) {
    QMessageBox* box = windowModalBox(parent, title, text);
    QObject::connect(box, &QMessageBox::finished, parent, [clear = std::move(clear)] { clear(); });
    return box;
}

// Only our own connection goes: Qt's accessibility cache listens for the alert's end, and a
// cache that missed it hands the next widget at that address a dead interface.
void dismissQuietly(QPointer<QMessageBox>& alert) {
    if (!alert)
        return;
    QObject::disconnect(alert, &QMessageBox::finished, alert->parentWidget(), nullptr);
    alert->close();
    alert = nullptr;
}

void showWarning(QPointer<QMessageBox>& alert, QWidget* parent,
                 const std::optional<QString>& message, std::function<void()> clear) {
    dismissQuietly(alert);
    if (!message)
        return;
    alert = openAlert(parent, QStringLiteral("Marklode"), *message, std::move(clear));
    alert->setIcon(QMessageBox::Warning);
    alert->addButton(QMessageBox::Ok);
    alert->open();
}

} // namespace marklode
