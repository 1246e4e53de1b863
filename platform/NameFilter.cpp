#include "NameFilter.h"

#include <QRegularExpression>

QStringList toQtNameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QStringList masks;
        for (const QString& mask :
             parts[i + 1].split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts))
            masks << mask;
        result << description + QStringLiteral(" (") + masks.join(QLatin1Char(' '))
                + QLatin1Char(')');
    }
    return result;
}
