#include "ui/widgets/ConfirmationSheet.h"

#include "ui/widgets/Icons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace marklode {

namespace {

QWidget* iconLabel(const char* icon, QLabel* text) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* image = new QLabel;
    showIcon(image, themedIcon(icon), 18);
    text->setWordWrap(true);
    layout->addWidget(image, 0, Qt::AlignTop);
    layout->addWidget(text, 1);
    return row;
}

QWidget* warning(QLabel* text) {
    text->setStyleSheet(QStringLiteral("color: #e07b00;"));
    return iconLabel("dialog-warning", text);
}

QGridLayout* factGrid(const std::vector<ConfirmationSheet::Content::Fact>& facts) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (const auto& [label, value] : facts) {
        auto* name = new QLabel(ConfirmationSheet::tr(label));
        name->setForegroundRole(QPalette::PlaceholderText);
        auto* shown = new QLabel(value);
        shown->setObjectName(QStringLiteral("value") + QLatin1String(label));
        // The value keeps its own text as its name and is labelled by its row's label, so a
        // screen reader says "Device Drive 53" where naming it after the label said "Device".
        name->setBuddy(shown);
        grid->addWidget(name, row, 0, Qt::AlignLeft);
        grid->addWidget(shown, row, 1, Qt::AlignLeft);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace

QLabel* secondaryLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QHBoxLayout* cancelAndConfirm(QDialog* dialog, const QString& confirmText, QPushButton** confirm) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* cancel = new QPushButton(ConfirmationSheet::tr("Cancel"));
    *confirm = new QPushButton(confirmText);
    (*confirm)->setDefault(true);
    cancel->setAutoDefault(false);
    buttons->addWidget(cancel);
    buttons->addWidget(*confirm);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(*confirm, &QPushButton::clicked, dialog, &QDialog::accept);
    return buttons;
}

ConfirmationSheet::ConfirmationSheet(const QString& objectName, const Content& content,
                                     QWidget* parent)
    : QDialog(parent) {
    setWindowModality(Qt::WindowModal);
    setObjectName(objectName);
    setWindowTitle(content.title);
    setAccessibleName(content.title);
    setFixedWidth(420);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(14);

    auto* heading = new QLabel(content.title);
    heading->setWordWrap(true);
    QFont titleFont = heading->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    titleFont.setBold(true);
    heading->setFont(titleFont);
    layout->addWidget(content.headingIcon ? iconLabel(content.headingIcon, heading) : heading);

    layout->addLayout(factGrid(content.facts));

    QLabel* existing = nullptr;
    if (content.replacesExisting) {
        existing = new QLabel(content.existing);
        layout->addWidget(warning(existing));
    } else {
        existing = secondaryLabel(content.existing);
        layout->addWidget(existing);
    }
    existing->setObjectName(QStringLiteral("existingPOIs"));
    layout->addWidget(
        secondaryLabel(tr("Don't disconnect the device until Marklode says it's done.")));

    if (!content.refusal.isEmpty()) {
        auto* refusal = new QLabel(content.refusal);
        refusal->setObjectName(QStringLiteral("cannotConfirm"));
        layout->addWidget(warning(refusal));
    }

    QPushButton* confirm = nullptr;
    layout->addLayout(cancelAndConfirm(this, content.confirmText, &confirm));
    confirm->setObjectName(content.confirmName);
    confirm->setEnabled(content.refusal.isEmpty());
}

} // namespace marklode
