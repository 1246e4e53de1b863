#pragma once

#include "Dialogs.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>

// Dialogs for tests: every dialog must have been scripted beforehand, in order;
// each call is recorded. An unscripted or unexpected dialog is reported through
// the failure handler (by default a fatal error), so a stray box never hangs a test.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, TextPrompt, OpenFile, Font, Folder };

    struct Call {
        Kind kind;
        QString title;
        QString text; // message text or prompt
        MessageButtons buttons = MessageButtons::Ok;
        MessageIcon icon = MessageIcon::None;
        QStringList filters; // file-open only
        FontChoice font; // font dialog: the values it was shown with
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Script the next answers.
    ScriptedDialogs& ok(); // an OK-only message
    ScriptedDialogs& yes();
    ScriptedDialogs& no();
    ScriptedDialogs& text(const QString& answer); // text prompt ("" = Cancel)
    ScriptedDialogs& file(const QString& path); // file-open ("" = Cancel)
    ScriptedDialogs& font(const FontChoice& chosen);
    ScriptedDialogs& fontCancel();
    ScriptedDialogs& folder(const QString& path); // folder browser ("" = Cancel)
    // Runs `action` when the next dialog comes, then answers it as scripted next.
    ScriptedDialogs& during(std::function<void()> action);

    const QList<Call>& calls() const { return m_calls; }
    const Call& last() const;
    int pending() const { return int(m_script.size()); }
    void clear();

    void setFailureHandler(std::function<void(const QString&)> handler);

    MessageAnswer message(QWidget* owner, const QString& title, const QString& text,
                          MessageButtons buttons, MessageIcon icon) override;
    QString textPrompt(QWidget* owner, const QString& title, const QString& prompt,
                       const QString& defaultText) override;
    QString openFile(QWidget* owner, const QString& title, const QStringList& qtFilters,
                     const QString& initialPath) override;
    bool chooseFont(QWidget* owner, FontChoice& font) override;
    QString browseForFolder(QWidget* owner, const QString& title) override;

private:
    struct Answer {
        Kind kind;
        MessageAnswer button = MessageAnswer::Ok;
        QString value;
        FontChoice font;
        bool accepted = true;
    };

    Answer take(const Call& call);
    void fail(const QString& why);

    std::deque<Answer> m_script;
    std::function<void()> m_pendingAction;
    QList<Call> m_calls;
    std::function<void(const QString&)> m_failure;
};
