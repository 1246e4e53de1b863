#pragma once

#include "FolderListing.h"

#include <QString>

// The state of a tool's Load Picture step and run, kept between the two and
// between runs.
struct RunState {
    QString currentFolder; // with a trailing separator
    QString currentFileName; // empty when the listing is exhausted
    QString currentError; // why the current entry cannot be used
    FolderListing listing;
    QString extension; // from the last ".", lower case; empty without a dot
    QString baseName;
    QString temporaryOutputPath;
    QString invalidList;
    bool invalidFlag = false;
    int invalidCount = 0;
    int visited = 0;

    // Take the next entry of the listing as the current file.
    void advance();
    // Extension and base name of the current file name.
    void splitName();
    // A refused name: newest first, each followed by " ; ".
    void refuse();
    void resetInvalid();
};
