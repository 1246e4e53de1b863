#include "NumberText.h"

namespace NumberText {

QString shortest(double value) { return QString::number(float(value), 'g', 7); }

QString signedField(double value)
{
    const QString text = shortest(value);
    return value < 0 ? text : QLatin1Char(' ') + text;
}

} // namespace NumberText
