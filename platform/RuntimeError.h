#pragma once

#include <QString>

#include <stdexcept>

// A run-time failure raised by a step and caught by the window's handler,
// which shows its description in the form that step uses.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(const QString& description, long number = 0,
                          const QString& source = QString())
        : std::runtime_error(description.toStdString())
        , m_description(description)
        , m_number(number)
        , m_source(source)
    {
    }

    const QString& description() const { return m_description; }
    long number() const { return m_number; }
    const QString& source() const { return m_source; }

private:
    QString m_description;
    long m_number;
    QString m_source;
};
