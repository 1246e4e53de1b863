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

QStringList masksOfQtFilter(const QString& qtFilter)
{
    const int open = qtFilter.lastIndexOf(QLatin1Char('('));
    const int close = qtFilter.lastIndexOf(QLatin1Char(')'));
    if (open < 0 || close < open)
        return {};
    return qtFilter.mid(open + 1, close - open - 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool matchesMasks(const QStringList& masks, const QString& fileName)
{
    for (const QString& mask : masks) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(mask),
                                    QRegularExpression::CaseInsensitiveOption);
        if (re.match(fileName).hasMatch())
            return true;
    }
    return false;
}
