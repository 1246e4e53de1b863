#include "ActivationTracker.h"
#include "Artwork.h"
#include "PictureSurface.h"
#include "PlaceholderWindow.h"
#include "Screen.h"
#include "TestSupport.h"
#include "WindowOpener.h"
#include "frmUtama.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Opens placeholder windows and records the order in which they are closed.
class TestOpener : public WindowOpener {
public:
    explicit TestOpener(MainWindowFace& main)
        : m_main(main)
    {
    }
    void open(WindowId id) override
    {
        auto& window = m_windows[id];
        if (!window)
            window = std::make_unique<PlaceholderWindow>(m_main, QStringLiteral("tool"),
                                                         " Alat", " Tool");
        window->show();
        window->activateWindow();
    }
    void closeAll() override
    {
        for (WindowId id : {WindowId::AnimGif, WindowId::Pusing, WindowId::RenBulk,
                            WindowId::About, WindowId::Addtext, WindowId::Watertext,
                            WindowId::WaterLogo})
            if (m_windows.count(id)) {
                m_windows[id]->unload();
                closed.push_back(id);
            }
    }
    PlaceholderWindow* window(WindowId id) { return m_windows.count(id) ? m_windows[id].get() : nullptr; }
    std::vector<WindowId> closed;

private:
    MainWindowFace& m_main;
    std::map<WindowId, std::unique_ptr<PlaceholderWindow>> m_windows;
};

QStringList barCaptions(frmUtama& w)
{
    QStringList captions;
    for (QAction* action : w.menuBar()->actions())
        captions << action->text();
    captions << w.mnu_man->text() << w.mnu_contact->text();
    return captions;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ActivationTracker::instance().reset(); }
    void showAndActivate()
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    TempHome home;
    ScopedDialogs dialogs; // no dialog may appear unless a test scripts it
    frmUtama window;
    TestOpener opener{window};
    bool ended = false;
};

const QStringList kDesign{"Insert &Text on Picture", "Add &Text Watermark", "Add &LOGO Watermark",
                          "&Rotate Picture", "&Animated GIF", "Re&name File in Bulk", "&Lumaro",
                          "&Help", "&Exit", "&Manual", "&Contact Us"};
const QStringList kEnglish{"Insert Text on Picture", "Add Text Watermark", "Add LOGO Watermark",
                           "Rotate Picture", "Animated GIF", "Rename File in Bulk", "Lumaro",
                           "Help", "Exit", "&Manual", "Contact Us"};
const QStringList kMalay{"Masukkan Teks Di Gambar", "Letak Teks Watermark", "Letak LOGO Watermark",
                         "Ubah Posisi Gambar", "Bina Fail GIF Animasi",
                         "Penamaan Fail Secara Pukal", "Lumaro", "Bantuan", "Keluar", "&Manual",
                         "Hubungi Kami"};

TEST_F(MainWindowTest, StartsWithDesignCaptionsThenEnglish)
{
    EXPECT_EQ(barCaptions(window), kDesign);
    showAndActivate();
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Lumaro 1.1"));
    EXPECT_EQ(window.varbahasa(), QStringLiteral("eng"));
    EXPECT_EQ(barCaptions(window), kEnglish);
    EXPECT_EQ(window.PicBM->toolTip(), QStringLiteral("Bahasa Malaysia"));
    EXPECT_EQ(window.PicEng->toolTip(), QStringLiteral("English"));
    EXPECT_EQ(window.PicBM->accessibleName(), QStringLiteral("Bahasa Malaysia"));
    EXPECT_EQ(window.PicBM->size(), QSize(30, 18));
    EXPECT_EQ(window.client().size(), QSize(1009, 635));
}

TEST_F(MainWindowTest, EachFlagSelectsItsOwnLanguage)
{
    showAndActivate();
    QTest::mouseClick(window.PicEng, Qt::LeftButton);
    EXPECT_EQ(barCaptions(window), kEnglish);
    QTest::mouseClick(window.PicBM, Qt::LeftButton);
    EXPECT_EQ(window.varbahasa(), QStringLiteral("bm"));
    EXPECT_EQ(barCaptions(window), kMalay);
    EXPECT_EQ(window.windowTitle(), QStringLiteral(" Lumaro 1.1"));
    QTest::mouseClick(window.PicEng, Qt::LeftButton);
    EXPECT_EQ(window.varbahasa(), QStringLiteral("eng"));
    EXPECT_EQ(barCaptions(window), kEnglish);
}

TEST_F(MainWindowTest, OpenedWindowDisablesMainUntilLeftThenActivationRunsAgain)
{
    window.setOpener(&opener);
    showAndActivate();
    window.PicBM_Click();
    window.mnu_ren->trigger();
    EXPECT_FALSE(window.isEnabled());
    PlaceholderWindow* tool = opener.window(WindowId::RenBulk);
    ASSERT_NE(tool, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(tool));
    EXPECT_EQ(tool->windowTitle(), QStringLiteral(" Alat")); // tool activation read Malay

    // A close request while another window is open is ignored.
    window.close();
    EXPECT_TRUE(window.isVisible());

    window.mnu_addtext->setText(QStringLiteral("stale"));
    tool->mnu_exit->trigger();
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(tool->isVisible());
    QTRY_COMPARE(window.mnu_addtext->text(), QStringLiteral("Masukkan Teks Di Gambar"));
    EXPECT_EQ(barCaptions(window), kMalay);

    // The close box of the tool window gives the main window back the same way.
    window.mnu_gif->trigger();
    PlaceholderWindow* gif = opener.window(WindowId::AnimGif);
    ASSERT_TRUE(QTest::qWaitForWindowActive(gif));
    gif->close();
    EXPECT_FALSE(gif->isVisible());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(MainWindowTest, ExitClosesEveryWindowInOrderWithoutAQuestion)
{
    window.setOpener(&opener);
    window.setEnder([this] { ended = true; });
    showAndActivate();
    for (QAction* command : {window.mnu_addtext, window.mnu_ren, window.mnu_about})
    {
        command->trigger();
        const auto id = command == window.mnu_addtext ? WindowId::Addtext
            : command == window.mnu_ren              ? WindowId::RenBulk
                                                     : WindowId::About;
        opener.window(id)->leave();
    }
    window.mnu_exit->trigger();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(opener.closed,
              (std::vector<WindowId>{WindowId::RenBulk, WindowId::About, WindowId::Addtext}));
    EXPECT_TRUE(dialogs->calls().isEmpty());
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgram)
{
    window.setEnder([this] { ended = true; });
    showAndActivate();
    window.close();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(window.isVisible());
}

int flagTop(const frmUtama& w) { return w.PicBM->y(); }

TEST_F(MainWindowTest, BackgroundFileStretchesAndMovesTheFlags)
{
    writeImage(home.file(QStringLiteral("bg/main2i.jpg")), solidImage(64, 40, Qt::green), "jpg");
    showAndActivate();
    window.resize(800, 400 + window.menuBar()->height());
    QTRY_COMPARE(window.client().height(), 400); // 6000 twips
    window.Form_Resize();
    EXPECT_EQ(flagTop(window), Screen::twipsToPixels(5570, 1));
    EXPECT_EQ(window.PicEng->y(), flagTop(window));
    EXPECT_EQ(window.PicBM->x(), 11); // left edges stay: 165 twips
    EXPECT_EQ(window.PicEng->x(), 59); // 885 twips
    const QColor painted = window.client().image().pixelColor(400, 200);
    EXPECT_GT(painted.green(), 200);
    EXPECT_LT(painted.red(), 60);
}

TEST_F(MainWindowTest, WithoutBackgroundFileOrWhenMinimisedNothingMoves)
{
    const int designTop = Screen::twipsToPixels(frmUtama::kFlagTopTwips, 1);
    showAndActivate();
    window.resize(800, 400 + window.menuBar()->height());
    QTRY_COMPARE(window.client().height(), 400);
    window.Form_Resize();
    EXPECT_EQ(flagTop(window), designTop);
    EXPECT_EQ(window.client().image().pixelColor(10, 10),
              Artwork::mainBackground().pixelColor(10, 10));

    writeImage(home.file(QStringLiteral("bg/main2i.jpg")), solidImage(64, 40, Qt::green), "jpg");
    window.setWindowState(Qt::WindowMinimized);
    window.Form_Resize();
    EXPECT_EQ(flagTop(window), designTop);
    EXPECT_EQ(window.client().image().pixelColor(10, 10),
              Artwork::mainBackground().pixelColor(10, 10));
}

TEST_F(MainWindowTest, UndecodableBackgroundKeepsTheBuiltInPicture)
{
    writeText(home.file(QStringLiteral("bg/main2i.jpg")), "not a picture");
    showAndActivate();
    window.Form_Resize();
    EXPECT_EQ(flagTop(window), Screen::twipsToPixels(frmUtama::kFlagTopTwips, 1));
    EXPECT_EQ(window.client().image().pixelColor(10, 10),
              Artwork::mainBackground().pixelColor(10, 10));
}

} // namespace
