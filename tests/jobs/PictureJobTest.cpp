#include "BusyPointer.h"
#include "RuntimeError.h"
#include "TestSupport.h"
#include "TestTool.h"
#include "ToolProfile.h"

#include <FreeImage.h>

#include <QDir>
#include <QFile>

#include <cstdio>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

FREE_IMAGE_FORMAT formatOf(const QString& path)
{
    return FreeImage_GetFileType(QFile::encodeName(path).constData(), 0);
}

QString reportLine(const QString& report, int line)
{
    return report.split(QStringLiteral("\r\n")).value(line);
}

class PictureJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        source = dir.filePath(QStringLiteral("src"));
        target = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(source);
        QDir().mkpath(target);
    }

    void picture(const QString& name, const char* format, QSize size = QSize(40, 30))
    {
        writeImage(source + QLatin1Char('/') + name, solidImage(size.width(), size.height(), Qt::darkCyan),
                   format);
    }

    void chooseBulk(const QString& folder)
    {
        dialogs->folder(folder);
        tool.job.chooseBulkFolder();
        dialogs->folder(target);
        tool.job.chooseTargetFolder();
    }

    // Runs the job and returns the report text (the last message).
    QString runAndReport()
    {
        dialogs->ok();
        tool.job.RunPictureJob();
        EXPECT_EQ(dialogs->last().title, QStringLiteral("Insert Text"));
        EXPECT_EQ(dialogs->last().icon, MessageIcon::Information);
        return dialogs->last().text;
    }

    QStringList targetFiles() const { return QDir(target).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase); }

    ScopedDialogs dialogs;
    QTemporaryDir dir;
    QString source, target;
    TestTool tool{ToolProfiles::insertText()};
};

TEST_F(PictureJobTest, BulkRunSortsOutRefusedNamesAndWritesTheRest)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    picture(QStringLiteral("b.bmp"), "bmp");
    writeText(source + QStringLiteral("/c.doc"), "doc");
    writeText(source + QStringLiteral("/notes.txt"), "text");
    chooseBulk(source);
    EXPECT_EQ(tool.lblfile->text(), QStringLiteral("Bulk File Directory : ") + source + QLatin1Char('/'));
    EXPECT_EQ(tool.lbltarget->text(), QStringLiteral("Target Directory : ") + target + QLatin1Char('/'));

    tool.job.LoadPreviewPicture();
    EXPECT_EQ(tool.job.run.currentFileName, QStringLiteral("a.jpg"));
    EXPECT_TRUE(tool.Picture1->hasPicture());
    const QString report = runAndReport();

    EXPECT_EQ(reportLine(report, 0), QStringLiteral("Inserting text for 4 file(s) DONE."));
    EXPECT_EQ(reportLine(report, 5), QStringLiteral("notes.txt ; c.doc ; "));
    EXPECT_EQ(reportLine(report, 7), QStringLiteral("Total invalid file(s) : 2"));
    EXPECT_EQ(targetFiles(), (QStringList{QStringLiteral("adt-a.jpg"), QStringLiteral("adt-b.bmp")}));
    EXPECT_EQ(formatOf(target + QStringLiteral("/adt-a.jpg")), FIF_JPEG);
    EXPECT_EQ(formatOf(target + QStringLiteral("/adt-b.bmp")), FIF_BMP);
    // The run starts with the file Load Picture showed.
    EXPECT_EQ(tool.processed.value(0), source + QStringLiteral("/a.jpg"));

    // What a run empties and keeps.
    EXPECT_TRUE(tool.job.settings.bulkFolder.isEmpty());
    EXPECT_TRUE(tool.job.settings.singleFilePath.isEmpty());
    EXPECT_EQ(tool.job.settings.targetFolder, target);
    EXPECT_EQ(tool.job.settings.mode, JobMode::Bulk);
    EXPECT_EQ(tool.clearedAfterRun, 1);
    EXPECT_FALSE(tool.Picture1->isVisibleTo(&tool));
    EXPECT_FALSE(tool.Picture1->hasPicture());
    EXPECT_FALSE(BusyPointer::isBusy());
    EXPECT_EQ(tool.commandStates, (QStringList{"off", "on", "off", "on"}));
}

TEST_F(PictureJobTest, NamesExtensionsAndOverwriting)
{
    picture(QStringLiteral("a.b.jpg"), "jpg");
    picture(QStringLiteral("Beach Day.JPG"), "jpg");
    writeText(source + QStringLiteral("/README"), "no dot");
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        chooseBulk(source);
        tool.job.LoadPreviewPicture();
        const QString report = runAndReport();
        EXPECT_EQ(reportLine(report, 0), QStringLiteral("Inserting text for 3 file(s) DONE."));
        EXPECT_EQ(reportLine(report, 5), QStringLiteral("README ; "));
        EXPECT_EQ(targetFiles(),
                  (QStringList{QStringLiteral("adt-a.b.jpg"), QStringLiteral("adt-Beach Day.jpg")}));
    }
}

TEST_F(PictureJobTest, TargetEqualToSourceLeavesTheSourcesUntouched)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    picture(QStringLiteral("b.bmp"), "bmp");
    const QByteArray a = readBytes(source + QStringLiteral("/a.jpg"));
    dialogs->folder(source).folder(source);
    tool.job.chooseBulkFolder();
    tool.job.chooseTargetFolder();
    tool.job.LoadPreviewPicture();
    const QString report = runAndReport();
    // Outputs written into the folder during the run are never listed.
    EXPECT_EQ(reportLine(report, 0), QStringLiteral("Inserting text for 2 file(s) DONE."));
    EXPECT_EQ(readBytes(source + QStringLiteral("/a.jpg")), a);
    EXPECT_EQ(QDir(source).entryList(QDir::Files, QDir::Name),
              (QStringList{"a.jpg", "adt-a.jpg", "adt-b.bmp", "b.bmp"}));
}

TEST_F(PictureJobTest, EmptyFolderAndRunWithoutLoadPicture)
{
    chooseBulk(source);
    // A run before any Load Picture finds no current file.
    EXPECT_EQ(reportLine(runAndReport(), 0), QStringLiteral("Inserting text for 0 file(s) DONE."));

    chooseBulk(source);
    dialogs->ok();
    tool.job.LoadPreviewPicture();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Lumaro"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Please ensure the directory contains image file!"));
    EXPECT_EQ(dialogs->last().icon, MessageIcon::Information);
    const QString report = runAndReport();
    EXPECT_EQ(reportLine(report, 0), QStringLiteral("Inserting text for 0 file(s) DONE."));
    EXPECT_EQ(reportLine(report, 5), QStringLiteral("None"));
    EXPECT_FALSE(BusyPointer::isBusy());
}

TEST_F(PictureJobTest, SingleModeCountsOneAndAMissingFileIsTheEmptyNotice)
{
    picture(QStringLiteral("Photo.JPG"), "jpg");
    dialogs->file(source + QStringLiteral("/Photo.JPG")).folder(target);
    tool.job.chooseSingleFile();
    EXPECT_EQ(dialogs->calls()[0].title, QStringLiteral("Select File"));
    EXPECT_EQ(dialogs->calls()[0].filters.size(), 3);
    EXPECT_EQ(tool.lblfile->text(), QStringLiteral("Single File : ") + source + QStringLiteral("/Photo.JPG"));
    tool.job.chooseTargetFolder();
    tool.job.LoadPreviewPicture();
    EXPECT_EQ(reportLine(runAndReport(), 0), QStringLiteral("Inserting text for 1 file(s) DONE."));
    EXPECT_EQ(targetFiles(), QStringList{QStringLiteral("adt-Photo.jpg")});

    dialogs->file(source + QStringLiteral("/gone.jpg"));
    tool.job.chooseSingleFile();
    dialogs->ok();
    tool.job.LoadPreviewPicture();
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Please ensure the directory contains image file!"));
}

TEST_F(PictureJobTest, FailureInsideTheLoopAnsweredYesSkipsTheFile)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    writeText(source + QStringLiteral("/b.jpg"), "corrupt"); // not a picture
    picture(QStringLiteral("c.bmp"), "bmp");
    chooseBulk(source);
    tool.job.LoadPreviewPicture();
    dialogs->yes().ok();
    tool.job.RunPictureJob();
    const auto& question = dialogs->calls()[dialogs->calls().size() - 2];
    EXPECT_EQ(question.title, QStringLiteral("Error"));
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(question.text.contains(source + QStringLiteral("/b.jpg")));
    EXPECT_TRUE(question.text.endsWith(QStringLiteral("\nContinue?")));
    EXPECT_EQ(reportLine(dialogs->last().text, 0), QStringLiteral("Inserting text for 2 file(s) DONE."));
    EXPECT_EQ(targetFiles(), (QStringList{QStringLiteral("adt-a.jpg"), QStringLiteral("adt-c.bmp")}));
    EXPECT_FALSE(BusyPointer::isBusy());
}

TEST_F(PictureJobTest, FailureAnsweredNoStopsWithoutReportAndKeepsTheJob)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    writeText(source + QStringLiteral("/b.jpg"), "corrupt");
    picture(QStringLiteral("c.bmp"), "bmp");
    chooseBulk(source);
    tool.job.LoadPreviewPicture();
    dialogs->no();
    tool.job.RunPictureJob();
    EXPECT_EQ(dialogs->last().buttons, MessageButtons::YesNo); // no report after it
    EXPECT_EQ(tool.job.settings.bulkFolder, source);
    EXPECT_EQ(tool.clearedAfterRun, 0);
    EXPECT_EQ(targetFiles(), QStringList{QStringLiteral("adt-a.jpg")});
    EXPECT_FALSE(BusyPointer::isBusy());
    EXPECT_TRUE(tool.commandsOn);
}

TEST_F(PictureJobTest, UnwritableTargetAsksToContinueNamingTheFile)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    chooseBulk(source);
    tool.job.LoadPreviewPicture();
    QDir(target).removeRecursively(); // gone after it was chosen
    dialogs->yes().ok();
    tool.job.RunPictureJob();
    const auto& question = dialogs->calls()[dialogs->calls().size() - 2];
    EXPECT_TRUE(question.text.contains(target + QStringLiteral("/adtx-a.bmp"))) << question.text.toStdString();
    EXPECT_EQ(reportLine(dialogs->last().text, 0), QStringLiteral("Inserting text for 0 file(s) DONE."));
}

TEST_F(PictureJobTest, FailedReencodeLeavesNoTemporaryAndIsNotCounted)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    picture(QStringLiteral("b.jpg"), "jpg");
    chooseBulk(source);
    tool.beforeWrite = [this](const QString& path) {
        if (path.endsWith(QLatin1String("a.jpg")))
            QDir(target).mkdir(QStringLiteral("adt-a.jpg")); // the final name is taken by a folder
    };
    tool.job.LoadPreviewPicture();
    dialogs->yes().ok();
    tool.job.RunPictureJob();
    EXPECT_TRUE(dialogs->calls()[dialogs->calls().size() - 2].text.contains(QStringLiteral("adt-a.jpg")));
    EXPECT_EQ(reportLine(dialogs->last().text, 0), QStringLiteral("Inserting text for 1 file(s) DONE."));
    EXPECT_EQ(targetFiles(), QStringList{QStringLiteral("adt-b.jpg")});
}

TEST_F(PictureJobTest, FailureAfterTheTemporaryFileWasWrittenRemovesIt)
{
    picture(QStringLiteral("a.jpg"), "jpg");
    chooseBulk(source);
    tool.afterTemporary = [](const QString& path) {
        throw RuntimeError(QStringLiteral("Cannot finish ") + path);
    };
    tool.job.LoadPreviewPicture();
    dialogs->yes().ok();
    tool.job.RunPictureJob();
    EXPECT_TRUE(targetFiles().isEmpty());
    EXPECT_EQ(reportLine(dialogs->last().text, 0), QStringLiteral("Inserting text for 0 file(s) DONE."));
}

TEST_F(PictureJobTest, FailureOutsideTheLoopIsAPlainError)
{
    writeText(source + QStringLiteral("/a.jpg"), "corrupt");
    chooseBulk(source);
    dialogs->ok();
    tool.job.LoadPreviewPicture();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs->last().buttons, MessageButtons::Ok);
    EXPECT_EQ(dialogs->last().icon, MessageIcon::None);
    EXPECT_TRUE(dialogs->last().text.contains(source + QStringLiteral("/a.jpg")));
    EXPECT_FALSE(tool.Picture1->hasPicture());
    EXPECT_FALSE(BusyPointer::isBusy());
}

TEST_F(PictureJobTest, UnreadableFolderAndUnusableNamesAreFailures)
{
    // A folder that cannot be listed (a link to itself fails even for root).
    const QString loop = dir.filePath(QStringLiteral("loop"));
    ASSERT_EQ(::symlink("loop", QFile::encodeName(loop).constData()), 0);
    chooseBulk(loop);
    dialogs->ok();
    tool.job.LoadPreviewPicture();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Error"));
    EXPECT_EQ(dialogs->last().icon, MessageIcon::None);
    EXPECT_TRUE(dialogs->last().text.contains(loop)) << dialogs->last().text.toStdString();

    // A name the program cannot represent is a failure inside the run.
    picture(QStringLiteral("a.jpg"), "jpg");
    const QByteArray bad = QFile::encodeName(source) + "/b\xff.jpg";
    FILE* raw = std::fopen(bad.constData(), "w");
    ASSERT_NE(raw, nullptr);
    std::fclose(raw);
    chooseBulk(source);
    tool.job.LoadPreviewPicture();
    dialogs->yes().ok();
    tool.job.RunPictureJob();
    EXPECT_TRUE(dialogs->calls()[dialogs->calls().size() - 2].text.endsWith(QStringLiteral("\nContinue?")));
    EXPECT_EQ(reportLine(dialogs->last().text, 0), QStringLiteral("Inserting text for 1 file(s) DONE."));
    ::unlink(bad.constData()); // the temporary folder's clean-up cannot name it
}

TEST_F(PictureJobTest, ValidationStopsBothStepsBeforeAnyWork)
{
    dialogs->ok().ok();
    tool.job.LoadPreviewPicture();
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Please specify your picture file!"));
    tool.job.RunPictureJob();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Lumaro: Invalid Path"));
    EXPECT_TRUE(tool.commandStates.isEmpty());
}

} // namespace
