#include "ActivationTracker.h"
#include "BusyPointer.h"
#include "FolderListing.h"
#include "MainWindowFace.h"
#include "PictureSurface.h"
#include "TestSupport.h"
#include "frm_RenBulk.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <functional>
#include <utility>

namespace {

class StandInMain : public MainWindowFace {
public:
    QString code = QStringLiteral("eng");
    bool enabled = false;
    int repaints = 0;
    QString varbahasa() const override { return code; }
    void setMainEnabled(bool on) override { enabled = on; }
    void repaintMain() override { ++repaints; }
    void activateMain() override { }
};

QStringList items(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

// Everything in a folder, hidden files and sub-folders included.
QStringList contents(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The After list as it stands when the done message comes up.
struct AfterAtDone {
    QStringList entries;
    bool shown = false;
};

class RenBulkTest : public ::testing::Test {
protected:
    void SetUp() override { ActivationTracker::instance().reset(); }

    QString path(const QString& name) const { return folder.filePath(name); }
    void chooseFolder(const QString& chosen)
    {
        dialogs->folder(chosen);
        window.cmddir_Click();
    }
    // Renames with `prefix`, answering the messages that come before the done
    // message as given, and records the After list as the done message shows.
    AfterAtDone rename(const QString& prefix, const QList<MessageAnswer>& before = {})
    {
        AfterAtDone seen;
        std::function<void()> step = [&] {
            seen.entries = items(window.lstFiles2);
            seen.shown = !window.lstFiles2->isHidden();
        };
        for (qsizetype i = 0; i < before.size(); ++i)
            step = [this, next = std::move(step)] { dialogs->during(next); };
        dialogs->during(step);
        for (MessageAnswer answer : before) {
            if (answer == MessageAnswer::Yes)
                dialogs->yes();
            else if (answer == MessageAnswer::No)
                dialogs->no();
            else
                dialogs->ok();
        }
        dialogs->ok();
        window.txtname->setText(prefix);
        window.cmdRen_Click();
        return seen;
    }
    void expectDone(const QString& text)
    {
        const auto& done = dialogs->last();
        EXPECT_EQ(done.title, QStringLiteral("Lumaro"));
        EXPECT_EQ(done.text, text);
        EXPECT_EQ(done.icon, MessageIcon::Information);
    }
    void expectStartingState()
    {
        EXPECT_EQ(window.lstFiles1->count(), 0);
        EXPECT_EQ(window.lstFiles2->count(), 0);
        EXPECT_TRUE(window.lstFiles1->isHidden());
        EXPECT_TRUE(window.lstFiles2->isHidden());
        EXPECT_TRUE(window.txtDirectory->text().isEmpty());
        EXPECT_TRUE(window.txtname->text().isEmpty());
    }

    TempHome home;
    ScopedDialogs dialogs; // every dialog must be scripted
    QTemporaryDir folder;
    StandInMain main;
    frm_RenBulk window { main };
};

struct Captions {
    const char* code;
    QStringList texts; // window, prefix, folder, Before, After, Rename, Clear, Dir, Exit
};

QStringList captionsOf(const frm_RenBulk& w)
{
    return { w.windowTitle(), w.Label1_0->text(), w.Label1_2->text(), w.Label3->text(),
        w.Label2->text(), w.cmdRen->text(), w.cmdclr->text(), w.cmddir->text(),
        w.mnu_exit->text() };
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

TEST_F(RenBulkTest, DesignCaptionsThenEachLanguageOnActivation)
{
    EXPECT_EQ(captionsOf(window),
        (QStringList { " Renaming File in Bulk", "New Prefix Name", "Folder:", "Before", "After",
            "Rename", "Clear", "Dir", "&Exit" }));
    EXPECT_EQ(window.objectName(), QStringLiteral("frm_RenBulk"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.client().size(), QSize(956, 594)); // 14340 x 8910 twips
    EXPECT_EQ(window.lstFiles1->geometry(), QRect(32, 168, 425, 405));
    EXPECT_EQ(window.lstFiles2->geometry(), QRect(496, 168, 425, 405));

    const Captions cases[] = {
        { "eng",
            { " Rename File in Bulk", "New Prefix Name", "Directory", "Before", "After", "Rename",
                "Clear", "Dir", "Exit" } },
        { "bm",
            { " Menamakan Fail Secara Pukal", "Nama Awalan Baru", "Direktori", "Sebelum", "Selepas",
                "Nama Semula", "Padam", "Dir", "Keluar" } },
    };
    for (const Captions& c : cases) {
        SCOPED_TRACE(c.code);
        main.code = QString::fromLatin1(c.code);
        chooseFolder(folder.path());
        EXPECT_FALSE(window.lstFiles1->isHidden());
        window.Form_Activate();
        EXPECT_EQ(captionsOf(window), c.texts);
        // Boxes and lists are announced by their captions.
        EXPECT_EQ(accessibleName(window.txtDirectory), c.texts[2]);
        EXPECT_EQ(accessibleName(window.txtname), c.texts[1]);
        EXPECT_EQ(accessibleName(window.lstFiles1), c.texts[3]);
        EXPECT_EQ(accessibleName(window.lstFiles2), c.texts[4]);
        EXPECT_TRUE(window.lstFiles1->isHidden());
        EXPECT_TRUE(window.lstFiles2->isHidden());
    }
}

TEST_F(RenBulkTest, WorkedExampleInBothLanguages)
{
    const std::pair<const char*, const char*> languages[]
        = { { "eng", "3 files were renamed." }, { "bm", "3 fail telah dinamakan semula." } };
    for (const auto& [code, doneText] : languages) {
        SCOPED_TRACE(code);
        main.code = QString::fromLatin1(code);
        const QString dir = path(QString::fromLatin1(code));
        writeText(dir + "/b.jpg", "B");
        writeText(dir + "/a.png", "A");
        writeText(dir + "/c", "C");
        writeText(dir + "/.hidden.jpg", "H"); // neither listed nor renamed
        writeText(dir + "/sub/inner.jpg", "I");

        chooseFolder(dir);
        EXPECT_EQ(window.txtDirectory->text(), dir);
        EXPECT_EQ(
            items(window.lstFiles1), (QStringList { dir + "/a.png", dir + "/b.jpg", dir + "/c" }));
        EXPECT_FALSE(BusyPointer::isBusy());

        const AfterAtDone after = rename(QStringLiteral("x"));
        EXPECT_TRUE(after.shown);
        EXPECT_EQ(after.entries,
            (QStringList { dir + "/x-0000.png", dir + "/x-0001.jpg", dir + "/x-0002.c" }));
        expectDone(QString::fromUtf8(doneText));
        expectStartingState();

        EXPECT_EQ(contents(dir),
            (QStringList { ".hidden.jpg", "sub", "x-0000.png", "x-0001.jpg", "x-0002.c" }));
        EXPECT_EQ(readBytes(dir + "/x-0000.png"), "A");
        EXPECT_EQ(readBytes(dir + "/x-0001.jpg"), "B");
        EXPECT_EQ(readBytes(dir + "/x-0002.c"), "C");
        EXPECT_EQ(contents(dir + "/sub"), QStringList { "inner.jpg" });
    }
}

TEST_F(RenBulkTest, SecondRunWithTheSamePrefixKeepsEveryName)
{
    writeText(path("b.jpg"), "B");
    writeText(path("a.png"), "A");
    writeText(path("c"), "C");
    chooseFolder(folder.path());
    rename(QStringLiteral("x"));

    chooseFolder(folder.path());
    const AfterAtDone after = rename(QStringLiteral("x"));
    // Each file already bears its new name: counted, and left as it is.
    expectDone(QStringLiteral("3 files were renamed."));
    EXPECT_EQ(
        after.entries, (QStringList { path("x-0000.png"), path("x-0001.jpg"), path("x-0002.c") }));
    EXPECT_EQ(contents(folder.path()), (QStringList { "x-0000.png", "x-0001.jpg", "x-0002.c" }));
    EXPECT_EQ(readBytes(path("x-0001.jpg")), "B");
}

TEST_F(RenBulkTest, RenameWithNothingListedReportsZero)
{
    const std::pair<const char*, const char*> languages[]
        = { { "eng", "0 files were renamed." }, { "bm", "0 fail telah dinamakan semula." } };
    for (const auto& [code, doneText] : languages) {
        SCOPED_TRACE(code);
        main.code = QString::fromLatin1(code);
        writeText(path("a.jpg"), "A");
        chooseFolder(folder.path());
        window.txtname->setText(QStringLiteral("x"));
        window.cmdclr_Click();
        expectStartingState();
        rename(QString());
        expectDone(QString::fromUtf8(doneText));
        EXPECT_EQ(contents(folder.path()), QStringList { "a.jpg" });
    }
}

TEST_F(RenBulkTest, CancelledFolderChoiceAsksForAFolderAndFocusesTheBox)
{
    struct Notice {
        const char* code;
        const char* title;
        const char* text;
    };
    const Notice cases[] = {
        { "eng", "Lumaro: Invalid Path", "Please specify Source Directory!" },
        { "bm", "Lumaro: Direktori Tidak Sah", "Sila nyatakan Direktori Sumber!" },
    };
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const Notice& c : cases) {
        SCOPED_TRACE(c.code);
        main.code = QString::fromLatin1(c.code);
        window.cmdRen->setFocus();
        dialogs->folder(QString()).ok();
        window.cmddir_Click();
        EXPECT_EQ(dialogs->last().title, QString::fromUtf8(c.title));
        EXPECT_EQ(dialogs->last().text, QString::fromUtf8(c.text));
        EXPECT_EQ(dialogs->last().icon, MessageIcon::Information);
        EXPECT_TRUE(window.txtDirectory->hasFocus());
        EXPECT_TRUE(window.lstFiles1->isHidden());
    }
}

// Composes paths for the root folder without touching anything under it.
class RootRenBulk : public frm_RenBulk {
public:
    using frm_RenBulk::frm_RenBulk;
    QStringList listed;
    QStringList lookedUp;
    QList<std::pair<QString, QString>> renamed;

protected:
    FolderListing listFolder(const QString& chosen) override
    {
        listed << chosen;
        return FolderListing::ofEntries(
            { { QStringLiteral("a.jpg"), {} }, { QStringLiteral("c"), {} } });
    }
    bool lookUp(const QString& entry) override
    {
        lookedUp << entry;
        return true;
    }
    QString renameFile(const QString& from, const QString& to) override
    {
        renamed.append({ from, to });
        return {};
    }
};

TEST(RenBulkRootTest, BeforeEntriesDoubleTheSeparatorAfterTheRoot)
{
    ActivationTracker::instance().reset();
    TempHome home;
    ScopedDialogs dialogs;
    StandInMain main;
    RootRenBulk window(main);

    dialogs->folder(QStringLiteral("/"));
    window.cmddir_Click();
    EXPECT_EQ(window.txtDirectory->text(), QStringLiteral("/"));
    EXPECT_EQ(window.listed, QStringList { "/" });
    EXPECT_EQ(items(window.lstFiles1), (QStringList { "//a.jpg", "//c" }));

    window.txtname->setText(QStringLiteral("x"));
    QStringList after;
    dialogs->during([&] { after = items(window.lstFiles2); }).ok();
    window.cmdRen_Click();
    EXPECT_EQ(window.lookedUp, (QStringList { "//a.jpg", "//c" }));
    EXPECT_EQ(window.renamed,
        (QList<std::pair<QString, QString>> {
            { "/a.jpg", "/x-0000.jpg" }, { "/c", "/x-0001.c" } }));
    EXPECT_EQ(after, (QStringList { "/x-0000.jpg", "/x-0001.c" }));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("2 files were renamed."));
}

TEST_F(RenBulkTest, TenThousandAndOneFilesStopAtTheLimit)
{
    for (int i = 0; i <= 10000; ++i) {
        const QByteArray name
            = QFile::encodeName(path(QStringLiteral("f%1.txt").arg(i, 5, 10, QLatin1Char('0'))));
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);
    }
    chooseFolder(folder.path());
    ASSERT_EQ(window.lstFiles1->count(), 10001);

    rename(QStringLiteral("x"), { MessageAnswer::Ok }); // the limit message comes first
    const auto& calls = dialogs->calls();
    ASSERT_EQ(calls.size(), 3); // folder, limit, done
    EXPECT_EQ(calls[1].title, QStringLiteral("Lumaro"));
    EXPECT_EQ(calls[1].text, QStringLiteral("The number of files exceeds the limit (9999)!"));
    EXPECT_EQ(calls[1].icon, MessageIcon::Information);
    expectDone(QStringLiteral("10000 files were renamed."));

    EXPECT_TRUE(QFileInfo::exists(path("x-0000.txt")));
    EXPECT_TRUE(QFileInfo::exists(path("x-9999.txt")));
    EXPECT_TRUE(QFileInfo::exists(path("f10000.txt"))); // the 10001st keeps its name
    EXPECT_FALSE(QFileInfo::exists(path("f09999.txt")));
    EXPECT_EQ(contents(folder.path()).size(), 10001);
}

struct CollisionCase {
    bool goOn;
    const char* done;
    QStringList after;
    QStringList onDisk;
};

TEST_F(RenBulkTest, ACollisionKeepsBothFilesAndAsksWhetherToGoOn)
{
    const CollisionCase cases[] = {
        { true, "2 files were renamed.", { "x-0000.jpg", "x-0002.jpg" },
            { "b.jpg", "x-0000.jpg", "x-0002.jpg" } },
        { false, "1 files were renamed.", { "x-0000.jpg" },
            { "b.jpg", "x-0000.jpg", "x-0001.jpg" } },
    };
    for (const CollisionCase& c : cases) {
        SCOPED_TRACE(c.goOn ? "Yes" : "No");
        const QString dir = path(c.goOn ? "yes" : "no");
        writeText(dir + "/a.jpg", "A");
        writeText(dir + "/b.jpg", "B");
        writeText(dir + "/x-0001.jpg", "earlier"); // b.jpg's new name is taken
        chooseFolder(dir);

        const AfterAtDone after
            = rename(QStringLiteral("x"), { c.goOn ? MessageAnswer::Yes : MessageAnswer::No });
        const auto& question = dialogs->calls()[dialogs->calls().size() - 2];
        EXPECT_EQ(question.title, QStringLiteral("Error"));
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_TRUE(question.text.contains(dir + "/b.jpg")) << question.text.toStdString();
        EXPECT_TRUE(question.text.endsWith(QStringLiteral("\nContinue?")));

        expectDone(QString::fromLatin1(c.done));
        QStringList expectedAfter;
        for (const QString& name : c.after)
            expectedAfter << dir + "/" + name;
        EXPECT_EQ(after.entries, expectedAfter);
        EXPECT_EQ(contents(dir), c.onDisk);
        EXPECT_EQ(readBytes(dir + "/x-0000.jpg"), "A");
        EXPECT_EQ(readBytes(dir + "/b.jpg"), "B");
        EXPECT_EQ(readBytes(dir + (c.goOn ? "/x-0002.jpg" : "/x-0001.jpg")), "earlier");
        expectStartingState();
    }
}

TEST_F(RenBulkTest, AFileGoneSinceTheListingFailsLikeACollision)
{
    writeText(path("a.jpg"), "A");
    writeText(path("b.jpg"), "B");
    writeText(path("c.jpg"), "C");
    chooseFolder(folder.path());
    ASSERT_TRUE(QFile::remove(path("a.jpg")));
    // A folder that took a listed file's place is not a file to rename.
    ASSERT_TRUE(QFile::remove(path("b.jpg")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("b.jpg")));

    const AfterAtDone after
        = rename(QStringLiteral("x"), { MessageAnswer::Yes, MessageAnswer::Yes });
    const auto& calls = dialogs->calls();
    ASSERT_EQ(calls.size(), 4);
    EXPECT_TRUE(calls[1].text.contains(path("a.jpg")));
    EXPECT_TRUE(calls[2].text.contains(path("b.jpg")));
    for (int i : { 1, 2 }) {
        EXPECT_EQ(calls[i].title, QStringLiteral("Error"));
        EXPECT_TRUE(calls[i].text.endsWith(QStringLiteral("\nContinue?")));
    }
    expectDone(QStringLiteral("1 files were renamed."));
    EXPECT_EQ(after.entries, QStringList { path("x-0002.jpg") });
    EXPECT_EQ(contents(folder.path()), (QStringList { "b.jpg", "x-0002.jpg" }));
    EXPECT_TRUE(QFileInfo(path("b.jpg")).isDir());
}

TEST_F(RenBulkTest, APastedPrefixCannotMoveFilesOutOfTheFolder)
{
    const QString inner = path("inner");
    writeText(inner + "/a.jpg", "A");
    chooseFolder(inner);

    rename(QStringLiteral("../up"), { MessageAnswer::Yes });
    EXPECT_TRUE(dialogs->calls()[1].text.contains(QStringLiteral("../up-0000.jpg")));
    expectDone(QStringLiteral("0 files were renamed."));
    EXPECT_EQ(contents(folder.path()), QStringList { "inner" });
    EXPECT_EQ(contents(inner), QStringList { "a.jpg" });
}

TEST_F(RenBulkTest, AFolderThatCannotBeReadShowsThePlainError)
{
    // A link to itself: opening it fails even for root.
    ASSERT_EQ(::symlink("loop", QFile::encodeName(path("loop")).constData()), 0);
    dialogs->folder(path("loop")).ok();
    window.cmddir_Click();
    ASSERT_EQ(dialogs->calls().size(), 2);
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Error"));
    EXPECT_TRUE(dialogs->last().text.contains(path("loop")));
    EXPECT_EQ(dialogs->last().buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs->last().icon, MessageIcon::None);
    EXPECT_EQ(window.lstFiles1->count(), 0);
    EXPECT_FALSE(BusyPointer::isBusy());
}

TEST_F(RenBulkTest, AnUnusableNameAsksWhetherToGoOnListing)
{
    const std::pair<bool, QStringList> cases[] = {
        { true, { "a.jpg", "z.jpg" } },
        { false, { "a.jpg" } },
    };
    for (const auto& [goOn, listed] : cases) {
        SCOPED_TRACE(goOn ? "Yes" : "No");
        const QString dir = path(goOn ? "yes" : "no");
        writeText(dir + "/a.jpg", "A");
        writeText(dir + "/z.jpg", "Z");
        // Not valid UTF-8: the name cannot be held as text, so it cannot be listed.
        const QByteArray bad = QFile::encodeName(dir) + "/\xff.jpg";
        const int fd = ::open(bad.constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ::close(fd);

        bool busyDuringQuestion = false;
        dialogs->during(
            [&] { dialogs->during([&] { busyDuringQuestion = BusyPointer::isBusy(); }); });
        dialogs->folder(dir);
        if (goOn)
            dialogs->yes();
        else
            dialogs->no();
        window.cmddir_Click();
        const auto& question = dialogs->last();
        EXPECT_EQ(question.title, QStringLiteral("Error"));
        EXPECT_EQ(question.buttons, MessageButtons::YesNo);
        EXPECT_TRUE(question.text.endsWith(QStringLiteral("\nContinue?")));
        EXPECT_TRUE(busyDuringQuestion);
        EXPECT_FALSE(BusyPointer::isBusy());
        QStringList expected;
        for (const QString& name : listed)
            expected << dir + "/" + name;
        EXPECT_EQ(items(window.lstFiles1), expected);
        ::unlink(bad.constData()); // the temporary folder's clean-up cannot name it
    }
}

TEST_F(RenBulkTest, PrefixBoxFiltersTypedKeysButNotPastedText)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClicks(window.txtname, QStringLiteral("a b.c-_&/Z"));
    EXPECT_EQ(window.txtname->text(), QStringLiteral("abc-_&Z"));

    window.txtname->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral(" ../x "));
    window.txtname->paste();
    EXPECT_EQ(window.txtname->text(), QStringLiteral(" ../x "));

    window.txtname->clear();
    QTest::keyClicks(window.txtname, QString(120, QLatin1Char('a')));
    EXPECT_EQ(window.txtname->text().size(), 100);
}

struct ResizeCase {
    bool background;
    int clientHeight; // pixels
    int listHeight;
};

TEST_F(RenBulkTest, WithABackgroundTheListsFollowTheWindowHeight)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const ResizeCase cases[] = {
        { false, 500, 405 }, // no background: the design height stays
        { true, 500, 313 }, // 7500 - 2800 twips
        { true, 150, 0 }, // shorter than the margin
    };
    for (const ResizeCase& c : cases) {
        SCOPED_TRACE(c.clientHeight);
        if (c.background)
            writeImage(
                home.file(QStringLiteral("bg/renbulk.jpg")), solidImage(32, 20, Qt::green), "jpg");
        window.resize(956, c.clientHeight + window.menuBar()->height());
        QTRY_COMPARE(window.client().height(), c.clientHeight);
        window.Form_Resize();
        EXPECT_EQ(window.lstFiles1->height(), c.listHeight);
        EXPECT_EQ(window.lstFiles2->height(), c.listHeight);
        EXPECT_EQ(window.lstFiles1->width(), 425);
        const QColor painted = window.client().image().pixelColor(400, c.clientHeight / 2);
        EXPECT_EQ(painted.green() > 200 && painted.red() < 60, c.background);
    }
}

TEST_F(RenBulkTest, ExitAndTheCloseBoxGiveTheMainWindowBack)
{
    for (bool closeBox : { false, true }) {
        SCOPED_TRACE(closeBox ? "close box" : "Exit");
        main.enabled = false;
        window.show();
        if (closeBox)
            window.close();
        else
            window.mnu_exit->trigger();
        EXPECT_TRUE(main.enabled);
        EXPECT_TRUE(window.isHidden());
    }
    EXPECT_EQ(main.repaints, 2);
}

} // namespace
