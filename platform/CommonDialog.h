#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// A window's common dialog: holds the values the file-open and font dialogs
// read and return, and shows them through the installed Dialogs service.
class CommonDialog {
public:
    QString Filter;
    QString DialogTitle;
    QString FileName;
    QString FontName;
    float FontSize = 0;
    bool FontBold = false;
    bool FontItalic = false;
    uint32_t Color = 0; // 0x00BBGGRR

    // Cancelling leaves FileName as it was.
    void ShowOpen(QWidget* owner);
    // Cancelling leaves the font values as they were.
    void ShowFont(QWidget* owner);
};
