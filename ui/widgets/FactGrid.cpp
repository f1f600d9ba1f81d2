#include "ui/widgets/FactGrid.h"

#include <QGridLayout>
#include <QLabel>

namespace marklode {

QGridLayout* factGrid(std::initializer_list<std::pair<QString, QString>> facts) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (const auto& [label, value] : facts) {
        auto* name = new QLabel(label);
        name->setForegroundRole(QPalette::PlaceholderText);
        auto* shown = new QLabel(value);
        shown->setObjectName(QStringLiteral("value") + label);
        shown->setAccessibleName(label);
        grid->addWidget(name, row, 0, Qt::AlignLeft);
        grid->addWidget(shown, row, 1, Qt::AlignLeft);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace marklode
