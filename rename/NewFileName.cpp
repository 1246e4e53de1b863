#include "NewFileName.h"

#include "HostPath.h"

namespace NewFileName {

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

QString extension(const QString& name)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.mid(dot + 1);
}

QString counter(int position)
{
    return (QStringLiteral("0000") + QString::number(position)).right(4);
}

QString compose(const QString& prefix, int position, const QString& name)
{
    return trimSpaces(prefix) + QLatin1Char('-') + counter(position) + QLatin1Char('.')
        + extension(name);
}

bool staysInFolder(const QString& newName)
{
    return !newName.contains(HostPath::separator()) && !newName.contains(QChar(0));
}

} // namespace NewFileName
