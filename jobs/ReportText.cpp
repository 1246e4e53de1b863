#include "ReportText.h"

#include "SharedTexts.h"

QString ReportText(const ToolProfile& profile, const QString& language, int visited,
                   const QString& invalidList, int invalidCount)
{
    const QString crlf = QStringLiteral("\r\n");
    const QString blanks28(28, QLatin1Char(' '));
    const QString blanks35(35, QLatin1Char(' '));
    return pick(language, profile.reportLead) + QString::number(visited)
        + pick(language, profile.reportTail) + crlf + blanks28 + crlf
        + pick(language, profile.reportHeading) + crlf + pick(language, profile.reportRule) + crlf
        + blanks35 + crlf + invalidList + crlf + blanks35 + crlf
        + pick(language, SharedTexts::invalidTotal) + QString::number(invalidCount);
}
