#include "ScriptedDialogs.h"

#include <QtGlobal>

namespace {
const char* kindName(ScriptedDialogs::Kind kind)
{
    switch (kind) {
    case ScriptedDialogs::Kind::Message: return "message box";
    case ScriptedDialogs::Kind::TextPrompt: return "text prompt";
    case ScriptedDialogs::Kind::OpenFile: return "file-open dialog";
    case ScriptedDialogs::Kind::Font: return "font dialog";
    case ScriptedDialogs::Kind::Folder: return "folder browser";
    }
    return "dialog";
}
} // namespace

ScriptedDialogs::ScriptedDialogs()
    : m_failure([](const QString& why) { qFatal("%s", qPrintable(why)); })
{
}

ScriptedDialogs::~ScriptedDialogs() = default;

ScriptedDialogs& ScriptedDialogs::ok()
{
    m_script.push_back({Kind::Message, MessageAnswer::Ok});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::yes()
{
    m_script.push_back({Kind::Message, MessageAnswer::Yes});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::no()
{
    m_script.push_back({Kind::Message, MessageAnswer::No});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::text(const QString& answer)
{
    m_script.push_back({Kind::TextPrompt, MessageAnswer::Ok, answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::file(const QString& path)
{
    m_script.push_back({Kind::OpenFile, MessageAnswer::Ok, path});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::font(const FontChoice& chosen)
{
    Answer answer{Kind::Font};
    answer.font = chosen;
    m_script.push_back(answer);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::fontCancel()
{
    Answer answer{Kind::Font};
    answer.accepted = false;
    m_script.push_back(answer);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::folder(const QString& path)
{
    m_script.push_back({Kind::Folder, MessageAnswer::Ok, path});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::during(std::function<void()> action)
{
    m_pendingAction = std::move(action);
    return *this;
}

const ScriptedDialogs::Call& ScriptedDialogs::last() const
{
    if (m_calls.isEmpty())
        qFatal("ScriptedDialogs: no dialog was shown");
    return m_calls.constLast();
}

void ScriptedDialogs::clear()
{
    m_script.clear();
    m_calls.clear();
    m_pendingAction = nullptr;
}

void ScriptedDialogs::setFailureHandler(std::function<void(const QString&)> handler)
{
    m_failure = std::move(handler);
}

void ScriptedDialogs::fail(const QString& why) { m_failure(why); }

ScriptedDialogs::Answer ScriptedDialogs::take(const Call& call)
{
    m_calls.append(call);
    if (m_pendingAction) {
        auto action = std::move(m_pendingAction);
        m_pendingAction = nullptr;
        action();
    }
    const QString what = QStringLiteral("%1 \"%2\": \"%3\"")
                             .arg(QLatin1String(kindName(call.kind)), call.title, call.text);
    if (m_script.empty()) {
        fail(QStringLiteral("Unscripted ") + what);
        Answer fallback{call.kind, MessageAnswer::No};
        fallback.accepted = false;
        return fallback;
    }
    Answer answer = m_script.front();
    m_script.pop_front();
    if (answer.kind != call.kind) {
        fail(QStringLiteral("Expected a %1 but got %2")
                 .arg(QLatin1String(kindName(answer.kind)), what));
        answer.accepted = false;
    } else if (call.kind == Kind::Message) {
        const bool yesNo = call.buttons == MessageButtons::YesNo;
        const bool scriptedYesNo = answer.button != MessageAnswer::Ok;
        if (yesNo != scriptedYesNo)
            fail(QStringLiteral("Scripted answer does not fit the buttons of ") + what);
    }
    return answer;
}

MessageAnswer ScriptedDialogs::message(QWidget*, const QString& title, const QString& text,
                                       MessageButtons buttons, MessageIcon icon)
{
    Call call{Kind::Message, title, text, buttons, icon};
    const Answer answer = take(call);
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answer.button == MessageAnswer::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

QString ScriptedDialogs::textPrompt(QWidget*, const QString& title, const QString& prompt,
                                    const QString&)
{
    return take(Call{Kind::TextPrompt, title, prompt}).value;
}

QString ScriptedDialogs::openFile(QWidget*, const QString& title, const QStringList& qtFilters,
                                  const QString&)
{
    Call call{Kind::OpenFile, title};
    call.filters = qtFilters;
    return take(call).value;
}

bool ScriptedDialogs::chooseFont(QWidget*, FontChoice& font)
{
    Call call{Kind::Font};
    call.font = font;
    const Answer answer = take(call);
    if (!answer.accepted)
        return false;
    font = answer.font;
    return true;
}

QString ScriptedDialogs::browseForFolder(QWidget*, const QString& title)
{
    return take(Call{Kind::Folder, title}).value;
}
