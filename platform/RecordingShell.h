#pragma once

#include "Shell.h"

#include <QList>
#include <QStringList>

// Shell for tests: records every request and answers with the results set
// beforehand; nothing is ever opened or started.
class RecordingShell : public Shell {
public:
    struct Opened {
        QString verb;
        QString document;
    };

    bool open(const QString& verb, const QString& document) override;
    bool start(const QString& program) override;

    void setOpenResult(bool result) { m_openResult = result; }
    void setStartResult(bool result) { m_startResult = result; }

    const QList<Opened>& opened() const { return m_opened; }
    const QStringList& started() const { return m_started; }

private:
    bool m_openResult = true;
    bool m_startResult = true;
    QList<Opened> m_opened;
    QStringList m_started;
};
