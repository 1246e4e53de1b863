#pragma once

#include <QColor>
#include <QString>

class QWidget;

// The message and dialog services the windows use. Windows never show a
// QMessageBox or a file dialog themselves, so tests can answer every prompt.
enum class MessageIcon { None, Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct FontChoice {
    QString name;
    double size = 0; // points
    bool bold = false;
    bool italic = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(QWidget* owner, const QString& title, const QString& text,
                                  MessageButtons buttons, MessageIcon icon) = 0;
    // Text prompt with OK and Cancel; Cancel gives the empty text.
    virtual QString textPrompt(QWidget* owner, const QString& title, const QString& prompt,
                               const QString& defaultText) = 0;
    // File-open dialog; qtFilters as produced by toQtNameFilters. Empty text on cancel.
    virtual QString openFile(QWidget* owner, const QString& title, const QStringList& qtFilters,
                             const QString& initialPath) = 0;
    // Font dialog; returns false and leaves `font` alone on cancel.
    virtual bool chooseFont(QWidget* owner, FontChoice& font) = 0;
    // Folder browser limited to folders; empty text on cancel.
    virtual QString browseForFolder(QWidget* owner, const QString& title) = 0;

    // The four message forms every window uses.
    void notice(QWidget* owner, const QString& title, const QString& text)
    {
        message(owner, title, text, MessageButtons::Ok, MessageIcon::Information);
    }
    void plain(QWidget* owner, const QString& title, const QString& text)
    {
        message(owner, title, text, MessageButtons::Ok, MessageIcon::None);
    }
    bool question(QWidget* owner, const QString& title, const QString& text)
    {
        return message(owner, title, text, MessageButtons::YesNo, MessageIcon::None)
            == MessageAnswer::Yes;
    }
    void error(QWidget* owner, const QString& title, const QString& text)
    {
        message(owner, title, text, MessageButtons::Ok, MessageIcon::Critical);
    }
};
