#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

class QGridLayout;

namespace marklode {

// Label-value lines of a confirmation ("Device  Drive 53"); each value is named by its label
// for screen readers and found by the object name "value" + label.
QGridLayout* factGrid(std::initializer_list<std::pair<QString, QString>> facts);

} // namespace marklode
