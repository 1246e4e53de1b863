#include "DesktopShell.h"
#include "HostRegistry.h"
#include "RuntimeError.h"
#include "ShellServicesFixture.h"
#include "TestSupport.h"
#include "frmAbout.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QString kMsinfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

class SysInfoTest : public ::testing::Test {
protected:
    void expectUnavailableMessage()
    {
        ASSERT_EQ(dialogs->calls().size(), 1);
        const ScriptedDialogs::Call& call = dialogs->last();
        EXPECT_EQ(call.title, QStringLiteral("Lumaro"));
        EXPECT_EQ(call.text, kUnavailable);
        EXPECT_EQ(call.buttons, MessageButtons::Ok);
        EXPECT_EQ(call.icon, MessageIcon::None);
    }

    QTemporaryDir tools;
    ScopedDialogs dialogs;
    ScopedShellAndRegistry services;
    StubMainWindow main;
    frmAbout about { main };
};

struct LookupCase {
    const char* name;
    std::optional<QString> registered; // the program's own key
    std::optional<QString> location; // the shared tools folder ("<tools>" for the test's folder)
    bool programInLocation;
    bool startSucceeds;
    QString expectedStart; // the program asked for; empty when none is
    QStringList expectedKeys; // keys opened, in order
};

TEST_F(SysInfoTest, LooksUpTheProgramInOrderAndStartsItOrSaysItIsUnavailable)
{
    const QString tools = QStringLiteral("<tools>");
    const LookupCase cases[] = {
        { "nothing registered", {}, {}, false, true, {}, { kMsinfoKey, kLocationKey } },
        { "own key", QStringLiteral("/usr/bin/sysinfo"), {}, false, true,
            QStringLiteral("/usr/bin/sysinfo"), { kMsinfoKey } },
        { "own key wins over the location", QStringLiteral("/usr/bin/sysinfo"), tools, true, true,
            QStringLiteral("/usr/bin/sysinfo"), { kMsinfoKey } },
        { "location with the program", {}, tools, true, true,
            QStringLiteral("<tools>/MSINFO32.EXE"), { kMsinfoKey, kLocationKey } },
        { "location without the program", {}, tools, false, true, {},
            { kMsinfoKey, kLocationKey } },
        { "program that does not start", QStringLiteral("/usr/bin/sysinfo"), {}, false, false,
            QStringLiteral("/usr/bin/sysinfo"), { kMsinfoKey } },
        { "empty registered path", QString(), {}, false, true, {}, { kMsinfoKey } },
    };
    const QString folder = this->tools.path();
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedShellAndRegistry fresh;
        QFile::remove(QDir(folder).filePath(QStringLiteral("MSINFO32.EXE")));
        if (c.programInLocation)
            writeText(QDir(folder).filePath(QStringLiteral("MSINFO32.EXE")), "program");
        if (c.registered)
            fresh.registry.setString(
                Registry::LocalMachine, kMsinfoKey, QStringLiteral("PATH"), *c.registered);
        if (c.location)
            fresh.registry.setString(Registry::LocalMachine, kLocationKey, QStringLiteral("MSINFO"),
                QString(*c.location).replace(tools, folder));
        fresh.shell.setStartResult(c.startSucceeds);
        dialogs->clear();
        if (c.expectedStart.isEmpty() || !c.startSucceeds)
            dialogs->ok();

        about.cmdSysInfo->click();

        const QString expected = QString(c.expectedStart).replace(tools, folder);
        if (c.expectedStart.isEmpty()) {
            EXPECT_TRUE(fresh.shell.started().isEmpty());
        } else {
            EXPECT_EQ(fresh.shell.started(), QStringList { expected });
        }
        if (c.expectedStart.isEmpty() || !c.startSucceeds)
            expectUnavailableMessage();
        else
            EXPECT_TRUE(dialogs->calls().isEmpty());
        EXPECT_EQ(fresh.registry.requestedKeys(), c.expectedKeys);
        EXPECT_EQ(fresh.registry.openHandles(), 0);
    }
}

TEST_F(SysInfoTest, AFolderNamedLikeTheProgramIsNotTheProgram)
{
    QDir(tools.path()).mkpath(QStringLiteral("MSINFO32.EXE"));
    services.registry.setString(
        Registry::LocalMachine, kLocationKey, QStringLiteral("MSINFO"), tools.path());
    dialogs->ok();
    about.StartSysInfo();
    EXPECT_TRUE(services.shell.started().isEmpty());
    expectUnavailableMessage();
}

// A registry whose every call fails with a run-time error.
class BrokenRegistry : public Registry {
public:
    long openKey(Key, const QString&, uint32_t, Key&) override
    {
        throw RuntimeError(QStringLiteral("registry unreachable"));
    }
    long queryValue(Key, const QString&, uint32_t&, QByteArray&, uint32_t&) override
    {
        throw RuntimeError(QStringLiteral("registry unreachable"));
    }
    long closeKey(Key) override { return Success; }
};

TEST_F(SysInfoTest, ARunTimeFailureOnTheWayGivesTheSameMessage)
{
    BrokenRegistry broken;
    Services::setRegistry(&broken);
    dialogs->ok();
    about.StartSysInfo();
    expectUnavailableMessage();
    EXPECT_TRUE(services.shell.started().isEmpty());
    Services::setRegistry(&services.registry);
}

struct ValueCase {
    const char* name;
    uint32_t type;
    QByteArray data;
    bool expectedResult;
    QString expectedText;
};

TEST_F(SysInfoTest, GetKeyValueReadsTextAndThirtyTwoBitValues)
{
    const QByteArray longest = QByteArray(1023, 'x');
    const ValueCase cases[] = {
        { "text", Registry::StringType, QByteArray("/usr/bin/hardinfo\0", 18), true,
            QStringLiteral("/usr/bin/hardinfo") },
        { "text without its NUL", Registry::StringType, QByteArray("abc"), true,
            QStringLiteral("abc") },
        { "empty text", Registry::StringType, QByteArray("\0", 1), true, QString() },
        { "text filling the buffer", Registry::StringType, longest + '\0', true,
            QString::fromLatin1(longest) },
        { "text too long for the buffer", Registry::StringType, longest + "y" + '\0', false,
            QString() },
        { "32-bit", Registry::DwordType, QByteArray("\x4D\x3C\x2B\x1A", 4), true,
            QStringLiteral("&h1A2B3C4D") },
        // A zero high byte is a value byte, not a closing NUL.
        { "32-bit with zero high byte", Registry::DwordType, QByteArray("\x03\x02\x01\x00", 4),
            true, QStringLiteral("&h00010203") },
        { "32-bit zero", Registry::DwordType, QByteArray(4, '\0'), true,
            QStringLiteral("&h00000000") },
        { "32-bit with low digits", Registry::DwordType, QByteArray("\x0F\x00\xA0\xFF", 4), true,
            QStringLiteral("&hFFA0000F") },
        { "other type", 3, QByteArray("\x01\x02", 2), true, QString() },
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        services.registry.setValue(Registry::LocalMachine, QStringLiteral("Software\\Test"),
            QStringLiteral("Value"), c.type, c.data);
        QString value = QStringLiteral("stale");
        EXPECT_EQ(about.GetKeyValue(Registry::LocalMachine, QStringLiteral("SOFTWARE\\TEST"),
                      QStringLiteral("value"), value),
            c.expectedResult);
        EXPECT_EQ(value, c.expectedText);
        EXPECT_EQ(services.registry.openHandles(), 0);
    }
}

TEST_F(SysInfoTest, GetKeyValueFailsAndEmptiesTheTextForAMissingKeyOrValue)
{
    services.registry.setDword(
        Registry::LocalMachine, QStringLiteral("Software\\Test"), QStringLiteral("Value"), 7);
    struct {
        const char* name;
        Registry::Key root;
        const char* key;
        const char* valueName;
    } const cases[] = {
        { "missing key", Registry::LocalMachine, "Software\\Other", "Value" },
        { "key under another root", Registry::CurrentUser, "Software\\Test", "Value" },
        { "missing value", Registry::LocalMachine, "Software\\Test", "Other" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString value = QStringLiteral("stale");
        EXPECT_FALSE(
            about.GetKeyValue(c.root, QLatin1String(c.key), QLatin1String(c.valueName), value));
        EXPECT_TRUE(value.isEmpty());
        EXPECT_EQ(services.registry.openHandles(), 0);
    }
}

void makeProgram(const QString& path)
{
    writeText(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(HostRegistryTest, RegistersTheSystemInformationProgramFoundOnTheSearchPath)
{
    QTemporaryDir first, second;
    ScopedDialogs dialogs;
    RecordingShell shell;
    Services::setShell(&shell);
    StubMainWindow main;
    frmAbout about(main);

    {
        SCOPED_TRACE("no program");
        writeText(first.filePath(QStringLiteral("hardinfo")), "not executable");
        HostRegistry registry({ first.path(), second.path() });
        Services::setRegistry(&registry);
        QString value;
        EXPECT_FALSE(about.GetKeyValue(Registry::LocalMachine,
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
            value));
        dialogs->ok();
        about.StartSysInfo();
        EXPECT_EQ(
            dialogs->last().text, QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_TRUE(shell.started().isEmpty());
    }
    {
        SCOPED_TRACE("two programs: the preferred one");
        makeProgram(first.filePath(QStringLiteral("hardinfo")));
        makeProgram(second.filePath(QStringLiteral("gnome-system-monitor")));
        HostRegistry registry({ first.path(), second.path() });
        Services::setRegistry(&registry);
        const QString expected = second.filePath(QStringLiteral("gnome-system-monitor"));
        EXPECT_EQ(registry.sysInfoProgram(), expected);
        QString value;
        EXPECT_TRUE(about.GetKeyValue(Registry::LocalMachine,
            QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
            value));
        EXPECT_EQ(value, expected);
        about.StartSysInfo();
        EXPECT_EQ(shell.started(), QStringList { expected });
    }
    Services::setRegistry(nullptr);
    Services::setShell(nullptr);
}

TEST(DesktopShellTest, RefusesWhatItCannotOpenOrStartWithoutShowingAnything)
{
    QTemporaryDir folder;
    DesktopShell shell;
    EXPECT_FALSE(
        shell.open(QStringLiteral("open"), folder.filePath(QStringLiteral("LM-English.html"))));
    EXPECT_FALSE(shell.open(QStringLiteral("open"), QString()));
    writeText(folder.filePath(QStringLiteral("doc.html")), "<html></html>");
    EXPECT_FALSE(shell.open(QStringLiteral("print"), folder.filePath(QStringLiteral("doc.html"))));
    EXPECT_FALSE(shell.start(QString()));
    EXPECT_FALSE(shell.start(folder.filePath(QStringLiteral("no-such-program"))));
}

} // namespace
