#pragma once

#include "Language.h"

#include <QString>
#include <QStringList>

// Validation notices of one step (Load Picture or the run) of one tool.
struct ValidationTexts {
    BilingualText titleFile; // single mode without a file (and the logo check)
    BilingualText titleFolder; // bulk mode without a folder, no target folder
    BilingualText noFile;
    BilingualText noBulkFolder;
    BilingualText noTarget;
    BilingualText titleLogo;
    BilingualText noLogo;
};

// Everything in which the four picture tools differ inside the shared job
// engine: the engine has one loop, one report layout and one writer, and
// reads the rest from here.
struct ToolProfile {
    const char* name;
    QStringList acceptedExtensions; // lower case, with the dot
    BilingualText singlePrefix;
    BilingualText bulkPrefix;
    BilingualText targetPrefix;
    ValidationTexts loadTexts;
    ValidationTexts runTexts;
    bool checksLogo = false;
    BilingualText reportTitle;
    BilingualText reportLead; // first line: lead + visited count + tail
    BilingualText reportTail;
    BilingualText reportHeading;
    BilingualText reportRule;
    QString temporaryPrefix; // "adtx-"
    QString temporaryExtension; // ".bmp"
    QString finalPrefix; // "adt-"

    bool accepts(const QString& extension) const { return acceptedExtensions.contains(extension); }
};

namespace ToolProfiles {
const ToolProfile& insertText();
const ToolProfile& textWatermark();
const ToolProfile& logoWatermark();
const ToolProfile& rotate();
} // namespace ToolProfiles
