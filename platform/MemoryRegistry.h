#pragma once

#include "Registry.h"

#include <QStringList>

#include <map>

// A registry held in memory: tests fill it with the values they need, and it
// records which keys were asked for and which handles are still open.
class MemoryRegistry : public Registry {
public:
    long openKey(Key parent, const QString& subKey, uint32_t access, Key& opened) override;
    long queryValue(Key key, const QString& valueName, uint32_t& type, QByteArray& buffer,
        uint32_t& size) override;
    long closeKey(Key key) override;

    // Stores a value; the key and the keys above it come into being with it.
    void setValue(Key root, const QString& keyPath, const QString& valueName, uint32_t type,
        const QByteArray& data);
    // A text value in the file-name encoding, with its closing NUL.
    void setString(Key root, const QString& keyPath, const QString& valueName, const QString& text);
    void setDword(Key root, const QString& keyPath, const QString& valueName, uint32_t value);

    // Every key path asked for with openKey, found or not, in order.
    const QStringList& requestedKeys() const { return m_requested; }
    int openHandles() const { return int(m_handles.size()); }

private:
    struct Value {
        uint32_t type;
        QByteArray data;
    };

    static QString fold(const QString& text) { return text.toUpper(); }
    static QString rootPath(Key root);
    QString pathOf(Key key) const; // empty for an unknown handle
    bool keyExists(const QString& foldedPath) const;

    // Folded full key path -> folded value name -> value.
    std::map<QString, std::map<QString, Value>> m_keys;
    std::map<Key, QString> m_handles;
    Key m_nextHandle = 0x1000;
    QStringList m_requested;
};
