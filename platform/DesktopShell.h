#pragma once

#include "Shell.h"

// The real shell: documents through the desktop's file associations, programs
// as detached processes.
class DesktopShell : public Shell {
public:
    bool open(const QString& verb, const QString& document) override;
    bool start(const QString& program) override;
};
