#pragma once

#include <QString>

// The desktop shell: opens documents with the program the desktop associates
// with them, and starts programs. Neither call waits for what it starts.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a document with a verb ("open"). False when the verb is unknown,
    // the document is missing or no program could take it.
    virtual bool open(const QString& verb, const QString& document) = 0;
    // Starts a program in a window of its own, without waiting for it.
    // False when it could not be started.
    virtual bool start(const QString& program) = 0;
};
