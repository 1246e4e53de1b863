#include "MemoryRegistry.h"

#include <QFile>

#include <algorithm>

QString MemoryRegistry::rootPath(Key root)
{
    switch (root) {
    case ClassesRoot:
        return QStringLiteral("HKCR");
    case CurrentUser:
        return QStringLiteral("HKCU");
    case LocalMachine:
        return QStringLiteral("HKLM");
    case Users:
        return QStringLiteral("HKU");
    default:
        return {};
    }
}

QString MemoryRegistry::pathOf(Key key) const
{
    const QString root = rootPath(key);
    if (!root.isEmpty())
        return root;
    const auto it = m_handles.find(key);
    return it == m_handles.end() ? QString() : it->second;
}

bool MemoryRegistry::keyExists(const QString& foldedPath) const
{
    // A key exists when it holds values or has a key below it.
    for (auto it = m_keys.lower_bound(foldedPath);
         it != m_keys.end() && it->first.startsWith(foldedPath); ++it)
        if (it->first.size() == foldedPath.size() || it->first.at(foldedPath.size()) == '\\')
            return true;
    return false;
}

long MemoryRegistry::openKey(Key parent, const QString& subKey, uint32_t, Key& opened)
{
    m_requested.append(subKey);
    const QString parentPath = pathOf(parent);
    if (parentPath.isEmpty())
        return InvalidHandle;
    QString path = parentPath;
    for (const QString& part : subKey.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        path += QLatin1Char('\\') + fold(part);
    if (!keyExists(path))
        return NotFound;
    opened = m_nextHandle++;
    m_handles[opened] = path;
    return Success;
}

long MemoryRegistry::queryValue(
    Key key, const QString& valueName, uint32_t& type, QByteArray& buffer, uint32_t& size)
{
    const QString path = pathOf(key);
    if (path.isEmpty())
        return InvalidHandle;
    const auto keyIt = m_keys.find(path);
    if (keyIt == m_keys.end())
        return NotFound;
    const auto valueIt = keyIt->second.find(fold(valueName));
    if (valueIt == keyIt->second.end())
        return NotFound;
    const Value& value = valueIt->second;
    type = value.type;
    const uint32_t room = std::min<uint32_t>(size, uint32_t(buffer.size()));
    size = uint32_t(value.data.size());
    if (size > room)
        return MoreData;
    std::copy(value.data.cbegin(), value.data.cend(), buffer.begin());
    return Success;
}

long MemoryRegistry::closeKey(Key key)
{
    if (!rootPath(key).isEmpty())
        return Success;
    return m_handles.erase(key) == 1 ? Success : InvalidHandle;
}

void MemoryRegistry::setValue(Key root, const QString& keyPath, const QString& valueName,
    uint32_t type, const QByteArray& data)
{
    QString path = rootPath(root);
    for (const QString& part : keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        path += QLatin1Char('\\') + fold(part);
    m_keys[path][fold(valueName)] = { type, data };
}

void MemoryRegistry::setString(
    Key root, const QString& keyPath, const QString& valueName, const QString& text)
{
    QByteArray data = QFile::encodeName(text);
    data.append('\0');
    setValue(root, keyPath, valueName, StringType, data);
}

void MemoryRegistry::setDword(
    Key root, const QString& keyPath, const QString& valueName, uint32_t value)
{
    QByteArray data(4, '\0');
    for (int i = 0; i < 4; ++i)
        data[i] = char((value >> (8 * i)) & 0xFF);
    setValue(root, keyPath, valueName, DwordType, data);
}
