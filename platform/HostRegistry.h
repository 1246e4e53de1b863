#pragma once

#include "MemoryRegistry.h"

#include <QStringList>

// The registry on this host. There is no machine-wide registry here, so it
// holds the one value the program reads: the system information program,
// registered when one of the desktop's system information or system monitor
// programs is installed. Every other key is absent.
class HostRegistry : public Registry {
public:
    // Looks for the program in `searchPaths`, or on the PATH when empty.
    explicit HostRegistry(const QStringList& searchPaths = {});

    long openKey(Key parent, const QString& subKey, uint32_t access, Key& opened) override;
    long queryValue(Key key, const QString& valueName, uint32_t& type, QByteArray& buffer,
        uint32_t& size) override;
    long closeKey(Key key) override;

    // The program found, or the empty text.
    const QString& sysInfoProgram() const { return m_program; }
    // Program names looked for, in order of preference.
    static QStringList sysInfoCandidates();

private:
    QString m_program;
    MemoryRegistry m_store;
};
