#pragma once

#include "Dialogs.h"

class QFileDialog;

// The real dialogs, shown with the toolkit's own boxes.
class QtDialogs : public Dialogs {
public:
    // How the file-open dialog is set up: the toolkit's own dialog, which
    // matches masks without regard to letter case (Photo.JPG under *.jpg).
    static void setUpOpenDialog(QFileDialog& dialog, const QStringList& qtFilters);

    MessageAnswer message(QWidget* owner, const QString& title, const QString& text,
                          MessageButtons buttons, MessageIcon icon) override;
    QString textPrompt(QWidget* owner, const QString& title, const QString& prompt,
                       const QString& defaultText) override;
    QString openFile(QWidget* owner, const QString& title, const QStringList& qtFilters,
                     const QString& initialPath) override;
    bool chooseFont(QWidget* owner, FontChoice& font) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;
};
