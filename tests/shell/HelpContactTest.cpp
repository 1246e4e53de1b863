#include "ActivationTracker.h"
#include "ShellServicesFixture.h"
#include "TestSupport.h"
#include "frmUtama.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HelpContactTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ActivationTracker::instance().reset();
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }
    void setLanguage(bool malay)
    {
        if (malay)
            main.PicBM_Click();
        else
            main.PicEng_Click();
    }

    TempHome home;
    ScopedDialogs dialogs; // Manual must never show a message
    ScopedShellAndRegistry services;
    frmUtama main;
};

TEST_F(HelpContactTest, ManualOpensTheDocumentOfTheCurrentLanguage)
{
    const struct {
        bool malay;
        bool shellSucceeds; // false: document or viewer missing
        const char* document;
    } cases[] = {
        { false, true, "LM-English.html" },
        { true, true, "LM-Malay.html" },
        { true, false, "LM-Malay.html" },
        { false, false, "LM-English.html" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        setLanguage(c.malay);
        services.shell.setOpenResult(c.shellSucceeds);
        const int before = int(services.shell.opened().size());
        main.mnu_man->trigger();
        ASSERT_EQ(services.shell.opened().size(), before + 1);
        EXPECT_EQ(services.shell.opened().constLast().verb, QStringLiteral("open"));
        EXPECT_EQ(QDir::cleanPath(services.shell.opened().constLast().document),
            QDir::cleanPath(home.file(QLatin1String(c.document))));
        EXPECT_TRUE(main.isEnabled());
    }
    EXPECT_TRUE(dialogs->calls().isEmpty());
}

TEST_F(HelpContactTest, ContactShowsTheGreetingAndTheAddressOnTheNextLine)
{
    const QString address = QStringLiteral(LUMARO_CONTACT_ADDRESS);
    ASSERT_FALSE(address.isEmpty());
    const struct {
        bool malay;
        const char* greeting;
    } cases[] = {
        { false, "Please do no hesitate to contact us." },
        { true, "Sila hubungi kami untuk sebarang pertanyaan." },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.greeting);
        setLanguage(c.malay);
        dialogs->clear();
        dialogs->ok();
        main.mnu_contact->trigger();
        ASSERT_EQ(dialogs->calls().size(), 1);
        const ScriptedDialogs::Call& call = dialogs->last();
        EXPECT_EQ(call.title, QStringLiteral("Lumaro"));
        EXPECT_EQ(call.icon, MessageIcon::Information);
        EXPECT_EQ(call.buttons, MessageButtons::Ok);
        EXPECT_EQ(call.text.split(QLatin1Char('\n')),
            (QStringList { QLatin1String(c.greeting), address }));
        EXPECT_TRUE(main.isEnabled());
    }
}

// The help documents ship in the data folder that becomes the Lumaro home.
TEST(HelpDocumentsTest, BothLanguagesShipAManualOfEveryTool)
{
    const struct {
        const char* file;
        const char* lang;
    } documents[] = { { "LM-English.html", "lang=\"en\"" }, { "LM-Malay.html", "lang=\"ms\"" } };
    for (const auto& d : documents) {
        SCOPED_TRACE(d.file);
        const QByteArray html
            = readBytes(QStringLiteral(LUMARO_SOURCE_DIR "/data/") + QLatin1String(d.file));
        ASSERT_FALSE(html.isEmpty());
        EXPECT_TRUE(html.contains(d.lang));
        for (const char* name : { "adt-", "awtx-", "awlo-", "rot-", "Lumaro-anim.gif", "-0000." })
            EXPECT_TRUE(html.contains(name)) << name;
    }
}

} // namespace
