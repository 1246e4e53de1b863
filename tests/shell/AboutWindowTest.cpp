#include "ActivationTracker.h"
#include "Artwork.h"
#include "ShellServicesFixture.h"
#include "TestSupport.h"
#include "WindowOpener.h"
#include "frmAbout.h"
#include "frmUtama.h"

#include <QAction>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString kEnglishDescription = QStringLiteral(
    "Lumaro is an image application that has the capabilities of adding text on the image, "
    "adding text and logo watermark on the image either on single or bulk image files and etc "
    "at once.");
const QString kMalayDescription = QStringLiteral(
    "Lumaro adalah aplikasi yang mempunyai keupayaan untuk memasukkan teks pada gambar, menambah "
    "teks dan logo watermark pada gambar, bina fail GIF animasi, ubah posisi gambar dan "
    "menamakan semula fail-fail samada secara satu persatu atau secara pukal.");

// Opens only the About window, as the application's opener does.
class AboutOpener : public WindowOpener {
public:
    explicit AboutOpener(MainWindowFace& main)
        : m_main(main)
    {
    }
    void open(WindowId id) override
    {
        ASSERT_EQ(id, WindowId::About);
        if (!about)
            about = std::make_unique<frmAbout>(m_main);
        about->show();
        about->activateWindow();
    }
    void closeAll() override
    {
        if (about)
            about->unload();
    }
    std::unique_ptr<frmAbout> about;

private:
    MainWindowFace& m_main;
};

class AboutWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ActivationTracker::instance().reset();
        main.setOpener(&opener);
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    frmAbout& openAbout()
    {
        main.mnu_about->trigger();
        return *opener.about;
    }

    TempHome home;
    ScopedDialogs dialogs;
    ScopedShellAndRegistry services;
    frmUtama main;
    AboutOpener opener { main };
};

bool holdsYear(const QString& text)
{
    // Either side of midnight on New Year's Eve.
    const int year = QDate::currentDate().year();
    return text.contains(QString::number(year)) || text.contains(QString::number(year - 1));
}

TEST_F(AboutWindowTest, EveryActivationSetsTheLabelsFromTheCurrentLanguage)
{
    frmAbout& about = openAbout();
    EXPECT_FALSE(main.isEnabled());
    ASSERT_TRUE(about.isVisible());
    EXPECT_EQ(about.objectName(), QStringLiteral("frmAbout"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Lumaro"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Lumaro"));
    EXPECT_EQ(about.lblDescription->text(), kEnglishDescription);
    EXPECT_TRUE(holdsYear(about.lblVersion->text())) << about.lblVersion->text().toStdString();
    EXPECT_TRUE(about.lblVersion->text().contains(QStringLiteral("All rights reserved")));
    const QString englishTerms = about.lblDisclaimer->text();
    EXPECT_TRUE(englishTerms.contains(QStringLiteral("without warranty")));
    EXPECT_EQ(about.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    EXPECT_EQ(about.picIcon->pixmap().toImage(), Artwork::programIcon(64));
    EXPECT_FALSE(about.picIcon->accessibleName().isEmpty());

    about.cmdOK->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_TRUE(main.isEnabled());

    // Switch to Malay, spoil the labels, open again: all of them are set anew.
    main.PicBM_Click();
    for (QLabel* label :
        { about.lblTitle, about.lblVersion, about.lblDescription, about.lblDisclaimer })
        label->setText(QStringLiteral("stale"));
    about.setWindowTitle(QStringLiteral("stale"));
    ASSERT_EQ(&openAbout(), &about); // the same window, kept between visits
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Lumaro"));
    EXPECT_EQ(about.lblTitle->text(), QStringLiteral("Lumaro"));
    EXPECT_EQ(about.lblDescription->text(), kMalayDescription);
    EXPECT_TRUE(holdsYear(about.lblVersion->text()));
    EXPECT_TRUE(about.lblVersion->text().contains(QStringLiteral("Hak cipta terpelihara")));
    EXPECT_TRUE(about.lblDisclaimer->text().contains(QStringLiteral("tanpa sebarang jaminan")));
    EXPECT_NE(about.lblDisclaimer->text(), englishTerms);
    about.cmdOK->click();
}

TEST_F(AboutWindowTest, OkEscapeEnterAndTheCloseBoxAllGiveTheMainWindowBack)
{
    struct Way {
        const char* name;
        std::function<void(frmAbout&)> leave;
    };
    const Way ways[] = {
        { "OK", [](frmAbout& w) { QTest::mouseClick(w.cmdOK, Qt::LeftButton); } },
        { "Escape", [](frmAbout& w) { QTest::keyClick(&w, Qt::Key_Escape); } },
        { "Enter on OK", [](frmAbout& w) { QTest::keyClick(w.cmdOK, Qt::Key_Return); } },
        { "Enter elsewhere", [](frmAbout& w) { QTest::keyClick(&w, Qt::Key_Enter); } },
        { "close box", [](frmAbout& w) { w.close(); } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        frmAbout& about = openAbout();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
        EXPECT_FALSE(main.isEnabled());
        EXPECT_TRUE(about.cmdOK->isDefault());
        way.leave(about);
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(main.isEnabled());
    }
    EXPECT_TRUE(services.shell.started().isEmpty());
}

TEST_F(AboutWindowTest, EnterOnTheFocusedSystemInfoButtonPressesIt)
{
    services.registry.setString(Registry::LocalMachine,
        QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"),
        QStringLiteral("/opt/sysinfo"));
    frmAbout& about = openAbout();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    about.cmdSysInfo->setFocus();
    QTest::keyClick(about.cmdSysInfo, Qt::Key_Return);
    EXPECT_EQ(services.shell.started(), QStringList { QStringLiteral("/opt/sysinfo") });
    EXPECT_TRUE(about.isVisible()); // About stays open
    about.cmdOK->click();
}

} // namespace
