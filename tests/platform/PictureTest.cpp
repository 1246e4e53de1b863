#include "PictureSurface.h"
#include "RuntimeError.h"
#include "StdPicture.h"
#include "TestSupport.h"

#include <FreeImage.h>

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(StdPictureTest, LoadsBmpJpegPngWithNaturalSizeInTwips)
{
    QTemporaryDir dir;
    for (const char* format : {"bmp", "jpg", "png"}) {
        SCOPED_TRACE(format);
        const QString path = dir.filePath(QStringLiteral("p.") + QLatin1String(format));
        writeImage(path, solidImage(40, 30, Qt::red), format);
        const StdPicture picture = LoadPicture(path);
        EXPECT_EQ(picture.natural, QSize(40, 30));
        EXPECT_DOUBLE_EQ(picture.widthTwips(), 600);
        EXPECT_DOUBLE_EQ(picture.heightTwips(), 450);
    }
}

TEST(StdPictureTest, LargeJpegDecodesReducedButKeepsItsNaturalSize)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.jpg"));
    writeImage(path, solidImage(4000, 3000, Qt::blue), "jpg");
    EXPECT_EQ(jpegReductionFor(QSize(4000, 3000), QSize(1280, 900)), 2);
    EXPECT_EQ(jpegReductionFor(QSize(4000, 3000), QSize(400, 300)), 8);
    EXPECT_EQ(jpegReductionFor(QSize(800, 600), QSize(1280, 900)), 1);
    const StdPicture picture = LoadPicture(path, QSize(1280, 900));
    EXPECT_EQ(picture.natural, QSize(4000, 3000));
    EXPECT_EQ(picture.image.size(), QSize(2000, 1500));
}

TEST(StdPictureTest, FailuresNameTheFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.jpg"));
    const QString corrupt = dir.filePath(QStringLiteral("corrupt.jpg"));
    writeText(corrupt, "this is not a picture");
    for (const QString& path : {missing, corrupt}) {
        try {
            LoadPicture(path);
            ADD_FAILURE() << "no failure for " << path.toStdString();
        } catch (const RuntimeError& e) {
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
        }
    }
}

TEST(StdPictureTest, SavePictureWritesA24BitBitmapWhateverTheName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("out.jpg"));
    QImage image = solidImage(3, 2, QColor(10, 20, 30));
    image.setPixelColor(2, 1, QColor(200, 100, 50));
    SavePicture(image, path);
    const QByteArray native = QFile::encodeName(path);
    EXPECT_EQ(FreeImage_GetFileType(native.constData(), 0), FIF_BMP);
    FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, native.constData(), 0);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(FreeImage_GetBPP(bitmap), 24u);
    RGBQUAD colour;
    FreeImage_GetPixelColor(bitmap, 2, 0, &colour); // FreeImage rows are bottom-up
    EXPECT_EQ(colour.rgbRed, 200);
    EXPECT_EQ(colour.rgbGreen, 100);
    EXPECT_EQ(colour.rgbBlue, 50);
    FreeImage_Unload(bitmap);
}

TEST(StdPictureTest, UnwritablePathFailsAndNamesIt)
{
    QTemporaryDir dir;
    writeText(dir.filePath(QStringLiteral("file.txt")), "x");
    const QString path = dir.filePath(QStringLiteral("file.txt/out.bmp"));
    try {
        SavePicture(solidImage(2, 2, Qt::white), path);
        ADD_FAILURE() << "no failure";
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.description().contains(path));
    }
}

TEST(PictureSurfaceTest, PersistentAndVolatileDrawing)
{
    PictureSurface surface(QStringLiteral("Picture1"));
    surface.resize(20, 10);
    surface.setBackColor(0x000000);
    surface.cls();
    surface.setAutoRedraw(true);
    surface.pset(1, 1, 0x0000FF); // twips: pixel 0, 0
    EXPECT_EQ(surface.image().pixelColor(0, 0), QColor(255, 0, 0));
    surface.setAutoRedraw(false);
    surface.setScaleMode(PictureSurface::ScaleMode::Pixels);
    surface.pset(5, 5, 0xFFFFFF);
    EXPECT_EQ(surface.shownImage().pixelColor(5, 5), QColor(255, 255, 255));
    EXPECT_EQ(surface.image().pixelColor(5, 5), QColor(0, 0, 0));
    surface.refresh();
    EXPECT_EQ(surface.shownImage().pixelColor(5, 5), QColor(0, 0, 0));
    EXPECT_EQ(surface.point(0, 0), 0x0000FFu);
}

TEST(PictureSurfaceTest, PaintPictureStretchesInTwips)
{
    PictureSurface surface(QStringLiteral("Picture1"));
    surface.resizeTwips(1500, 750); // 100 x 50 pixels
    EXPECT_EQ(surface.size(), QSize(100, 50));
    surface.setAutoRedraw(true);
    surface.paintPicture(solidImage(10, 10, Qt::green), 0, 0, 1500, 750);
    EXPECT_EQ(surface.image().pixelColor(99, 49), QColor(0, 255, 0));
    surface.setPicture(surface.image());
    surface.cls();
    EXPECT_EQ(surface.image().pixelColor(50, 25), QColor(0, 255, 0)); // the picture stays
    surface.clearPicture();
    EXPECT_EQ(surface.image().pixelColor(50, 25), QColor(255, 255, 255));
}

} // namespace
