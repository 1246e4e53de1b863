#include "FileExists.h"
#include "FileOps.h"
#include "FolderListing.h"
#include "HostPath.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

QStringList names(FolderListing listing)
{
    QStringList result;
    while (auto entry = listing.next())
        result << (entry->name.isEmpty() ? QStringLiteral("!error") : entry->name);
    return result;
}

TEST(FileExistsTest, OnlyPlainVisibleFiles)
{
    QTemporaryDir dir;
    writeText(dir.filePath(QStringLiteral("photo.jpg")), "x");
    writeText(dir.filePath(QStringLiteral(".hidden.jpg")), "x");
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    QFile::setPermissions(dir.filePath(QStringLiteral("photo.jpg")), QFile::ReadOwner);

    EXPECT_TRUE(FileExists(dir.filePath(QStringLiteral("photo.jpg"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral(".hidden.jpg"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("folder"))));
    EXPECT_FALSE(FileExists(dir.filePath(QStringLiteral("missing.jpg"))));
    EXPECT_FALSE(FileExists(QString()));
}

TEST(FolderListingTest, PlainFilesInUpperCaseOrderAsASnapshot)
{
    QTemporaryDir dir;
    for (const char* name : {"b.bmp", "a.jpg", "C.doc", "notes.txt", "A.jpg", "README", ".dot"})
        writeText(dir.filePath(QString::fromLatin1(name)), "x");
    QDir(dir.path()).mkdir(QStringLiteral("sub"));

    FolderListing listing = FolderListing::ofFolder(dir.path());
    // Written after the listing began: never listed.
    writeText(dir.filePath(QStringLiteral("adt-a.jpg")), "x");
    EXPECT_EQ(names(std::move(listing)),
              (QStringList{QStringLiteral("A.jpg"), QStringLiteral("a.jpg"), QStringLiteral("b.bmp"),
                           QStringLiteral("C.doc"), QStringLiteral("notes.txt"),
                           QStringLiteral("README")}));
}

TEST(FolderListingTest, MissingFolderListsNothingAndSingleFileListsItself)
{
    QTemporaryDir dir;
    EXPECT_TRUE(names(FolderListing::ofFolder(dir.filePath(QStringLiteral("gone")))).isEmpty());
    writeText(dir.filePath(QStringLiteral("one.jpg")), "x");
    EXPECT_EQ(names(FolderListing::ofFile(dir.filePath(QStringLiteral("one.jpg")))),
              QStringList{QStringLiteral("one.jpg")});
    EXPECT_TRUE(names(FolderListing::ofFile(dir.filePath(QStringLiteral("two.jpg")))).isEmpty());
}

TEST(FolderListingTest, UnrepresentableNameIsAFailedEntry)
{
    QTemporaryDir dir;
    const QByteArray bad = QFile::encodeName(dir.path()) + "/bad\xff.jpg";
    QFile file(QString::fromLocal8Bit(bad)); // not used: create through the raw name
    FILE* raw = std::fopen(bad.constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    writeText(dir.filePath(QStringLiteral("good.jpg")), "x");
    FolderListing listing = FolderListing::ofFolder(dir.path());
    int failed = 0, fine = 0;
    while (auto entry = listing.next())
        entry->error.isEmpty() ? ++fine : ++failed;
    EXPECT_EQ(fine, 1);
    EXPECT_EQ(failed, 1);
}

TEST(HostPathTest, RootJoinsWithoutDoubling)
{
    EXPECT_EQ(HostPath::join(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("/a.jpg"));
    EXPECT_EQ(HostPath::join(QStringLiteral("/data"), QStringLiteral("a.jpg")),
              QStringLiteral("/data/a.jpg"));
    EXPECT_EQ(HostPath::fileName(QStringLiteral("/data/x/a.b.jpg")), QStringLiteral("a.b.jpg"));
    EXPECT_EQ(HostPath::folderOf(QStringLiteral("/data/x/a.jpg")), QStringLiteral("/data/x/"));
}

TEST(FileOpsTest, RenameNeverReplacesAnExistingFile)
{
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.txt"));
    const QString b = dir.filePath(QStringLiteral("b.txt"));
    writeText(a, "first");
    writeText(b, "second");
    const QString error = FileOps::renameNoReplace(a, b);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(error.contains(b)) << error.toStdString();
    EXPECT_EQ(readBytes(a), QByteArray("first"));
    EXPECT_EQ(readBytes(b), QByteArray("second"));

    const QString c = dir.filePath(QStringLiteral("c.txt"));
    EXPECT_TRUE(FileOps::renameNoReplace(a, c).isEmpty());
    EXPECT_EQ(readBytes(c), QByteArray("first"));
    EXPECT_FALSE(QFile::exists(a));
    EXPECT_FALSE(FileOps::deleteFile(a).isEmpty());
    EXPECT_TRUE(FileOps::deleteFile(c).isEmpty());
}

} // namespace
