#pragma once

#include <QString>

// Numbers as the program writes them in captions and labels.
namespace NumberText {

// The shortest decimal form of a single-precision value: 12, 10.5.
QString shortest(double value);

// As shortest(), with a leading blank when the value is not negative
// (" 1530", "-15").
QString signedField(double value);

} // namespace NumberText
