#pragma once

#include "Dialogs.h"

// The real dialogs, shown with the toolkit's own boxes.
class QtDialogs : public Dialogs {
public:
    MessageAnswer message(QWidget* owner, const QString& title, const QString& text,
                          MessageButtons buttons, MessageIcon icon) override;
    QString textPrompt(QWidget* owner, const QString& title, const QString& prompt,
                       const QString& defaultText) override;
    QString openFile(QWidget* owner, const QString& title, const QStringList& qtFilters,
                     const QString& initialPath) override;
    bool chooseFont(QWidget* owner, FontChoice& font) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;
};
