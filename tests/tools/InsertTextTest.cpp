#include "ActivationTracker.h"
#include "BusyPointer.h"
#include "PictureSurface.h"
#include "StdPicture.h"
#include "StubMainWindow.h"
#include "TestSupport.h"
#include "frm_Addtext.h"

#include <FreeImage.h>

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

FREE_IMAGE_FORMAT formatOf(const QString& path)
{
    return FreeImage_GetFileType(QFile::encodeName(path).constData(), 0);
}

class InsertTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ActivationTracker::instance().reset();
        source = dir.filePath(QStringLiteral("src"));
        target = dir.filePath(QStringLiteral("out"));
        QDir().mkpath(source);
        QDir().mkpath(target);
    }

    // Shown in normal state with a client area of the given pixel size.
    void open(int clientWidth = 1280, int clientHeight = 900)
    {
        window.setWindowState(Qt::WindowNoState);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.resize(clientWidth, clientHeight + window.menuBar()->height());
        QTRY_COMPARE(window.client().size(), QSize(clientWidth, clientHeight));
    }

    void picture(const QString& name, const QImage& image, const char* format)
    {
        writeImage(source + QLatin1Char('/') + name, image, format);
    }

    void chooseBulkAndLoad()
    {
        dialogs->folder(source).folder(target);
        window.mnu_bulk_Click();
        window.mnu_folder_Click();
        window.mnu_load_Click();
    }

    QString save()
    {
        dialogs->ok();
        window.mnu_sav_Click();
        return dialogs->last().text.section(QStringLiteral("\r\n"), 0, 0);
    }

    TempHome home;
    ScopedDialogs dialogs;
    QTemporaryDir dir;
    QString source, target;
    StubMainWindow main;
    frm_Addtext window{main};
};

TEST_F(InsertTextTest, ActivationSetsCaptionsAndResetsFontAndColour)
{
    EXPECT_EQ(window.mnu_files->title(), QStringLiteral("&File Selection"));
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Insert Text On Picture"));
    EXPECT_EQ(window.lblfont->text(), QStringLiteral("Font : Times New Roman / Size : 12 / Color : Black"));
    QStringList bar;
    for (QAction* a : window.menuBar()->actions())
        bar << a->text();
    EXPECT_EQ(bar, (QStringList{"File Selection", "Target Directory", "Font", "Load Picture",
                                "Text to be Added", "Save", "Exit"}));
    EXPECT_FALSE(window.Picture1->isVisibleTo(&window));

    window.mnu_colour_Click(6); // Cyan
    EXPECT_EQ(window.lblfont->text(), QStringLiteral("Font : Times New Roman / Size : 12 / Color : Cyan"));
    EXPECT_EQ(window.CommonDialog1.Color, 0xFFFF00u);
    window.lblfile->setText(QStringLiteral("x"));
    window.job().settings.targetFolder = target;

    main.language = QStringLiteral("bm");
    window.Form_Activate();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Masukkan Teks Di Gambar"));
    EXPECT_EQ(window.lblfont->text(), QStringLiteral("Font : Times New Roman / Saiz : 12 / Warna : Hitam"));
    EXPECT_EQ(window.CommonDialog1.Color, 0u);
    EXPECT_EQ(window.mnu_font->title(), QStringLiteral("Font"));
    EXPECT_EQ(window.mnu_colours[7]->text(), QStringLiteral("Putih"));
    EXPECT_TRUE(window.lblfile->text().isEmpty());
    EXPECT_EQ(window.job().settings.targetFolder, target); // settings are kept
}

TEST_F(InsertTextTest, StyleReadsBackTheFontAndSurvivesTheDialogClosing)
{
    open();
    // Style before any colour shows the colour black.
    dialogs->font(FontChoice{QStringLiteral("Liberation Sans"), 10.5, true, true});
    // A real dialog opens and closes over the window meanwhile: activation must not run.
    dialogs->during([this] {
        QDialog box(&window);
        box.show();
        box.activateWindow();
        QTest::qWaitForWindowActive(&box);
        box.close();
        window.activateWindow();
        QTest::qWaitForWindowActive(&window);
    });
    window.mnu_fontstyle_Click();
    EXPECT_EQ(dialogs->last().font.name, QStringLiteral("Times New Roman"));
    EXPECT_EQ(dialogs->last().font.size, 12);
    QTest::qWait(20);
    EXPECT_EQ(window.lblfont->text(), QStringLiteral("Font : Liberation Sans / Size : 10.5 / Color : Black"));
    EXPECT_EQ(window.CommonDialog1.FontName, QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(window.CommonDialog1.FontBold);
    EXPECT_TRUE(window.CommonDialog1.FontItalic);

    main.language = QStringLiteral("bm");
    window.Form_Activate();
    dialogs->fontCancel();
    window.mnu_fontstyle_Click();
    EXPECT_EQ(window.lblfont->text(), QStringLiteral("Font : Times New Roman / Saiz : 12 / Warna : Hitam"));
    EXPECT_TRUE(window.CommonDialog1.FontBold); // bold and italic are kept
}

TEST_F(InsertTextTest, PointerCaptionOverThePreviewAndOutsideIt)
{
    open();
    window.Picture1_MouseMove(1530, 795);
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Mouse Position (X, Y):  1530,  795"));
    window.Picture1_MouseMove(-15, 0);
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Mouse Position (X, Y): -15,  0"));
    window.Form_MouseMove();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Insert Text On Picture"));
    main.language = QStringLiteral("bm");
    window.Picture1_MouseMove(15, 30);
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Posisi Tetikus (X, Y):  15,  30"));
    window.Form_MouseMove();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Masukkan Teks Di Gambar"));
}

TEST_F(InsertTextTest, TextPromptAndClickPrintOnThePreview)
{
    open();
    picture(QStringLiteral("a.bmp"), solidImage(300, 200, Qt::white), "bmp");
    chooseBulkAndLoad();
    ASSERT_TRUE(window.Picture1->isVisible());
    const QImage before = window.Picture1->image();

    // No text yet: nothing is printed, but the position is fixed.
    window.Picture1_MouseMove(150, 300);
    window.Picture1_Click();
    EXPECT_EQ(window.clickX, 150);
    EXPECT_EQ(window.clickY, 300);
    EXPECT_EQ(window.Picture1->image(), before);

    dialogs->text(QStringLiteral("Hello"));
    window.mnu_addtext_Click();
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Lumaro"));
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Text to be Added : "));
    window.mnu_colour_Click(2); // red
    window.Picture1_Click();
    const QImage printed = window.Picture1->image();
    EXPECT_NE(printed, before);
    EXPECT_EQ(printed.pixelColor(0, 0), QColor(Qt::white)); // transparent background
    bool red = false;
    for (int y = 20; y < 60 && !red; ++y)
        for (int x = 10; x < 80 && !red; ++x)
            red = printed.pixelColor(x, y).red() > 200 && printed.pixelColor(x, y).green() < 80;
    EXPECT_TRUE(red);
    EXPECT_EQ(window.Picture1->textFont().family(), QStringLiteral("Times New Roman"));
}

// The text's cell sits at the clicked twips in every picture, whatever its size.
TEST_F(InsertTextTest, BulkRunPrintsAtTheSameTwipsOnEveryPicture)
{
    open();
    picture(QStringLiteral("a.bmp"), solidImage(400, 300, QColor(200, 220, 240)), "bmp");
    picture(QStringLiteral("b.bmp"), solidImage(640, 200, QColor(200, 220, 240)), "bmp");
    chooseBulkAndLoad();
    dialogs->text(QStringLiteral("Lumaro"));
    window.mnu_addtext_Click();
    window.Picture1_MouseMove(1530, 795);
    window.Picture1_Click();
    EXPECT_EQ(save(), QStringLiteral("Inserting text for 2 file(s) DONE."));
    EXPECT_TRUE(window.text.isEmpty());
    EXPECT_TRUE(window.lblfont->text().isEmpty());

    for (const auto& [name, size] : {std::pair{"adt-a.bmp", QSize(400, 300)}, {"adt-b.bmp", QSize(640, 200)}}) {
        SCOPED_TRACE(name);
        const QImage output(target + QLatin1Char('/') + QLatin1String(name));
        ASSERT_EQ(output.size(), size);
        PictureSurface reference(QStringLiteral("reference"));
        reference.resize(size);
        reference.setAutoRedraw(true);
        reference.setBackColor(PictureSurface::fromQColor(QColor(200, 220, 240)));
        reference.cls();
        reference.setFontName(QStringLiteral("Times New Roman"));
        reference.setFontSize(12);
        reference.currentX = 102 * 15;
        reference.currentY = 53 * 15;
        reference.print(QStringLiteral("Lumaro"));
        EXPECT_EQ(output.convertToFormat(QImage::Format_RGB32), reference.image());
    }
}

TEST_F(InsertTextTest, LargePhotoIsSavedReducedAndSmallOneKeepsItsSize)
{
    open(1280, 900);
    picture(QStringLiteral("big.jpg"), solidImage(4000, 3000, Qt::darkGreen), "jpg");
    picture(QStringLiteral("small.jpg"), solidImage(320, 240, Qt::darkGreen), "jpg");
    chooseBulkAndLoad();
    EXPECT_EQ(window.Picture1->size(), QSize(1200, 900));
    EXPECT_EQ(save(), QStringLiteral("Inserting text for 2 file(s) DONE."));
    EXPECT_EQ(QImage(target + QStringLiteral("/adt-big.jpg")).size(), QSize(1200, 900));
    EXPECT_EQ(QImage(target + QStringLiteral("/adt-small.jpg")).size(), QSize(320, 240));
    EXPECT_EQ(formatOf(target + QStringLiteral("/adt-big.jpg")), FIF_JPEG);
}

TEST_F(InsertTextTest, ExitIsOffDuringTheRunAndBackOnEveryWayOut)
{
    open();
    picture(QStringLiteral("a.bmp"), solidImage(50, 40, Qt::gray), "bmp");
    writeText(source + QStringLiteral("/b.bmp"), "broken");
    chooseBulkAndLoad();
    bool exitOff = false, loadOff = false;
    const auto look = [&] {
        exitOff = !window.mnu_exit->isEnabled();
        loadOff = !window.mnu_load->isEnabled();
    };
    // Answered No: the run ends at once.
    dialogs->during(look).no();
    window.mnu_sav_Click();
    EXPECT_TRUE(exitOff);
    EXPECT_TRUE(loadOff);
    EXPECT_TRUE(window.mnu_exit->isEnabled());
    EXPECT_TRUE(window.mnu_load->isEnabled());

    // Through to the report.
    window.mnu_load_Click();
    dialogs->yes().during(look).ok();
    exitOff = false;
    window.mnu_sav_Click();
    EXPECT_TRUE(exitOff);
    EXPECT_TRUE(window.mnu_exit->isEnabled());

    // Stopped early by a validation notice.
    dialogs->ok();
    window.mnu_sav_Click();
    EXPECT_EQ(dialogs->last().text, QStringLiteral("Please specify Source Directory!"));
    EXPECT_TRUE(window.mnu_exit->isEnabled());
    EXPECT_FALSE(BusyPointer::isBusy());
}

TEST_F(InsertTextTest, SecondSaveAfterARunWritesThePicturesUnchanged)
{
    open();
    picture(QStringLiteral("a.bmp"), solidImage(60, 40, QColor(10, 20, 30)), "bmp");
    chooseBulkAndLoad();
    dialogs->text(QStringLiteral("Mark"));
    window.mnu_addtext_Click();
    window.Picture1_MouseMove(0, 0);
    window.Picture1_Click();
    save();
    chooseBulkAndLoad();
    save();
    const QImage output(target + QStringLiteral("/adt-a.bmp"));
    EXPECT_EQ(output.convertToFormat(QImage::Format_RGB32),
              solidImage(60, 40, QColor(10, 20, 30)).convertToFormat(QImage::Format_RGB32));
}

TEST_F(InsertTextTest, PngAndTiffComeOutInTheirOwnFormat)
{
    open();
    picture(QStringLiteral("a.png"), solidImage(30, 20, Qt::yellow), "png");
    const QString tif = source + QStringLiteral("/b.tif");
    {
        // Qt has no TIFF writer here: write it through FreeImage.
        const QString bmp = dir.filePath(QStringLiteral("b.bmp"));
        writeImage(bmp, solidImage(30, 20, Qt::yellow), "bmp");
        FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, QFile::encodeName(bmp).constData(), 0);
        ASSERT_TRUE(FreeImage_Save(FIF_TIFF, bitmap, QFile::encodeName(tif).constData(), 0));
        FreeImage_Unload(bitmap);
    }
    writeText(source + QStringLiteral("/c.png"), "broken png");
    chooseBulkAndLoad();
    dialogs->yes().ok();
    window.mnu_sav_Click();
    EXPECT_TRUE(dialogs->calls()[dialogs->calls().size() - 2].text.endsWith(QStringLiteral("Continue?")));
    EXPECT_TRUE(dialogs->calls()[dialogs->calls().size() - 2].text.contains(QStringLiteral("c.png")));
    EXPECT_EQ(formatOf(target + QStringLiteral("/adt-a.png")), FIF_PNG);
    EXPECT_EQ(formatOf(target + QStringLiteral("/adt-b.tif")), FIF_TIFF);
    EXPECT_EQ(QDir(target).entryList(QDir::Files).size(), 2);
}

} // namespace
