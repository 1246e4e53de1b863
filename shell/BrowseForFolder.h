#pragma once

#include <QString>

class QWidget;

// Asks for a folder (folders only, title "Select Directory"); the empty text
// when the user cancels. The path has no trailing separator except the root.
QString SelectFolder(QWidget* owner);
