#include "RunState.h"

void RunState::advance()
{
    currentFileName.clear();
    currentError.clear();
    if (auto entry = listing.next()) {
        currentFileName = entry->name.isEmpty() ? entry->error : entry->name;
        currentError = entry->error;
    }
}

void RunState::splitName()
{
    const int dot = currentFileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        extension.clear();
        baseName = currentFileName;
    } else {
        extension = currentFileName.mid(dot).toLower();
        baseName = currentFileName.left(dot);
    }
}

void RunState::refuse()
{
    invalidFlag = true;
    ++invalidCount;
    invalidList = currentFileName + QStringLiteral(" ; ") + invalidList;
}

void RunState::resetInvalid()
{
    invalidList.clear();
    invalidFlag = false;
    invalidCount = 0;
}
