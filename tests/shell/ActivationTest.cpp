#include "ActivationTracker.h"

#include <QDialog>
#include <QMainWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool activate(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

TEST(ActivationTest, RunsWhenComingFromAnotherProgramWindowOnly)
{
    ActivationTracker::instance().reset();
    QMainWindow first, second;
    int firstRuns = 0, secondRuns = 0;
    ActivationTracker::instance().track(&first, [&] { ++firstRuns; });
    ActivationTracker::instance().track(&second, [&] { ++secondRuns; });

    ASSERT_TRUE(activate(first));
    EXPECT_EQ(firstRuns, 1);

    // A dialog of the program closing over the window: no new activation.
    QDialog box(&first);
    ASSERT_TRUE(activate(box));
    box.close();
    ASSERT_TRUE(activate(first));
    EXPECT_EQ(firstRuns, 1);

    // Another program window, then back: the handler runs again.
    ASSERT_TRUE(activate(second));
    EXPECT_EQ(secondRuns, 1);
    second.hide();
    ASSERT_TRUE(activate(first));
    EXPECT_EQ(firstRuns, 2);
}

} // namespace
