#include "ActivationTracker.h"
#include "AppWindowOpener.h"
#include "ChildWindow.h"
#include "TestSupport.h"
#include "frmUtama.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

struct WindowCase {
    WindowId id;
    const char* name;
    const char* englishTitle;
};

TEST(AppWindowOpenerTest, CreatesEachWindowOnceWithItsNameAndTitle)
{
    ActivationTracker::instance().reset();
    TempHome home;
    ScopedDialogs dialogs;
    frmUtama main;
    AppWindowOpener opener(main);
    main.setOpener(&opener);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    const WindowCase cases[] = {
        {WindowId::Addtext, "frm_Addtext", " Insert Text On Picture"},
        {WindowId::Watertext, "frm_Watertext", " Add Text Watermark On Picture"},
        {WindowId::WaterLogo, "frm_WaterLogo", " Add LOGO Watermark On Picture"},
        {WindowId::Pusing, "frm_Pusing", " Rotate Picture (+90 Deg / -90 Deg)"},
        {WindowId::AnimGif, "frm_AnimGif", " Create Animated GIF File"},
        {WindowId::RenBulk, "frm_RenBulk", " Rename File in Bulk"},
    };
    for (const WindowCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(opener.existing(c.id), nullptr);
        opener.open(c.id);
        ChildWindow* window = opener.existing(c.id);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), QLatin1String(c.name));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_EQ(window->windowTitle(), QLatin1String(c.englishTitle));
        window->leave();
        opener.open(c.id);
        EXPECT_EQ(opener.existing(c.id), window); // kept, not made anew
        window->leave();
    }
    opener.closeAll();
    for (const WindowCase& c : cases)
        EXPECT_FALSE(opener.existing(c.id)->isVisible());
}

} // namespace
