#include "RecordingShell.h"

bool RecordingShell::open(const QString& verb, const QString& document)
{
    m_opened.append({ verb, document });
    return m_openResult;
}

bool RecordingShell::start(const QString& program)
{
    m_started.append(program);
    return m_startResult;
}
