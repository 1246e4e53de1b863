#include "OutputWriter.h"
#include "RuntimeError.h"
#include "StdPicture.h"
#include "TestSupport.h"
#include "ToolProfile.h"

#include <FreeImage.h>

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

FREE_IMAGE_FORMAT formatOf(const QString& path)
{
    return FreeImage_GetFileType(QFile::encodeName(path).constData(), 0);
}

TEST(OutputWriterTest, NamesPerTool)
{
    using namespace ToolProfiles;
    const QString out = QStringLiteral("/out");
    const QString base = QStringLiteral("Beach Day");
    EXPECT_EQ(OutputWriter::temporaryPath(insertText(), out, base), QStringLiteral("/out/adtx-Beach Day.bmp"));
    EXPECT_EQ(OutputWriter::finalPath(insertText(), out, base, QStringLiteral(".jpg")),
              QStringLiteral("/out/adt-Beach Day.jpg"));
    EXPECT_EQ(OutputWriter::temporaryPath(textWatermark(), out, base), QStringLiteral("/out/adwt-Beach Day.jpg"));
    EXPECT_EQ(OutputWriter::finalPath(textWatermark(), out, base, QStringLiteral(".bmp")),
              QStringLiteral("/out/awtx-Beach Day.bmp"));
    EXPECT_EQ(OutputWriter::temporaryPath(logoWatermark(), out, base), QStringLiteral("/out/adwl-Beach Day.jpg"));
    EXPECT_EQ(OutputWriter::finalPath(logoWatermark(), out, base, QStringLiteral(".jpg")),
              QStringLiteral("/out/awlo-Beach Day.jpg"));
    EXPECT_EQ(OutputWriter::temporaryPath(rotate(), QStringLiteral("/"), QStringLiteral("scan")),
              QStringLiteral("/rotx-scan.jpg"));
    EXPECT_EQ(OutputWriter::finalPath(rotate(), QStringLiteral("/"), QStringLiteral("scan"), QStringLiteral(".bmp")),
              QStringLiteral("/rot-scan.bmp"));
    EXPECT_EQ(OutputWriter::formatFor(QStringLiteral(".jpg")), FIF_JPEG);
    EXPECT_EQ(OutputWriter::formatFor(QStringLiteral(".bmp")), FIF_BMP);
    EXPECT_EQ(OutputWriter::formatFor(QStringLiteral(".png")), FIF_PNG);
    EXPECT_EQ(OutputWriter::formatFor(QStringLiteral(".tif")), FIF_TIFF);
    EXPECT_EQ(OutputWriter::formatFor(QStringLiteral(".gif")), FIF_BMP);
}

TEST(OutputWriterTest, TemporaryBitmapBecomesTheFinalFormatAndGoes)
{
    QTemporaryDir dir;
    const QImage image = solidImage(20, 10, QColor(10, 200, 30));
    for (const char* ext : {".jpg", ".bmp", ".png", ".tif"}) {
        SCOPED_TRACE(ext);
        const QString temp = OutputWriter::SaveTemporary(image, ToolProfiles::rotate(), dir.path(),
                                                         QStringLiteral("a.b"));
        EXPECT_EQ(formatOf(temp), FIF_BMP); // bitmap data under a .jpg name
        const QString final = OutputWriter::finalPath(ToolProfiles::rotate(), dir.path(),
                                                      QStringLiteral("a.b"), QLatin1String(ext));
        OutputWriter::ReencodeOutput(temp, final, QLatin1String(ext));
        EXPECT_FALSE(QFile::exists(temp));
        EXPECT_EQ(formatOf(final), OutputWriter::formatFor(QLatin1String(ext)));
        EXPECT_EQ(LoadPicture(final).image.size(), QSize(20, 10));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
}

TEST(OutputWriterTest, UnreadableTemporaryFileFailsAndLeavesNothing)
{
    QTemporaryDir dir;
    const QString temp = dir.filePath(QStringLiteral("rotx-a.jpg"));
    const QString final = dir.filePath(QStringLiteral("rot-a.jpg"));
    writeText(temp, "not a bitmap");
    try {
        OutputWriter::ReencodeOutput(temp, final, QStringLiteral(".jpg"));
        ADD_FAILURE() << "no failure";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().contains(temp)) << e.description().toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(OutputWriterTest, UnwritableFinalFileFailsKeepsTheEarlierOneAndLeavesNoTemporary)
{
    QTemporaryDir dir;
    const QString temp = OutputWriter::SaveTemporary(solidImage(4, 4, Qt::red),
                                                     ToolProfiles::insertText(), dir.path(),
                                                     QStringLiteral("a"));
    // A folder where the final file should go: the save cannot replace it.
    const QString final = dir.filePath(QStringLiteral("adt-a.jpg"));
    QDir(dir.path()).mkdir(QStringLiteral("adt-a.jpg"));
    try {
        OutputWriter::ReencodeOutput(temp, final, QStringLiteral(".jpg"));
        ADD_FAILURE() << "no failure";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().contains(final)) << e.description().toStdString();
    }
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_FALSE(QFile::exists(final + QStringLiteral(".part")));
    EXPECT_TRUE(QFileInfo(final).isDir());
}

} // namespace
