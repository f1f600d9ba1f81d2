#pragma once

#include <QDialog>
#include <QString>
#include <utility>
#include <vector>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace marklode {

// The one style of the device confirmations, window-modal over their parent: a bold heading,
// label-value facts, what becomes of the custom POIs already on the device (orange beside a
// warning sign when they are replaced), the reminder not to disconnect, and Cancel beside the
// default confirm button. Accepted means confirmed; rejected (Cancel, Escape) means cancelled.
class ConfirmationSheet : public QDialog {
    Q_OBJECT
  public:
    struct Content {
        QString title;
        const char* headingIcon = nullptr; // a theme icon name, or none
        // Each value is labelled by its label for screen readers and found by the object name
        // "value" + the English label, whatever the language shown.
        struct Fact {
            const char* label; // QT_TRANSLATE_NOOP("marklode::ConfirmationSheet", ...)
            QString value;
        };
        std::vector<Fact> facts;
        QString existing; // object name "existingPOIs"
        bool replacesExisting = false;
        QString confirmText;
        QString confirmName;
        // Why it can't be confirmed (orange beside a warning sign, object name "cannotConfirm");
        // none when it can.
        QString refusal = {};
    };
    ConfirmationSheet(const QString& objectName, const Content& content, QWidget* parent);
};

// A greyed, wrapping line of secondary text.
QLabel* secondaryLabel(const QString& text);
// Cancel and the default confirm button, right-aligned, wired to reject and accept.
QHBoxLayout* cancelAndConfirm(QDialog* dialog, const QString& confirmText, QPushButton** confirm);

} // namespace marklode
