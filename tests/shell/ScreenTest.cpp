#include "Screen.h"

#include "ConvertTwipsToPixels.h"

#include <gtest/gtest.h>

namespace {

struct TwipsCase {
    double dpi;
    int32_t twips;
    int32_t pixels;
};

class TwipsToPixels : public ::testing::TestWithParam<TwipsCase> {
protected:
    void TearDown() override { Screen::pin(96, 96, 1920, 1080, 32); }
};

TEST_P(TwipsToPixels, RoundsHalvesToEven)
{
    const TwipsCase c = GetParam();
    Screen::pin(c.dpi, c.dpi, 1920, 1080, 32);
    EXPECT_EQ(ConvertTwipsToPixels(c.twips, 0), c.pixels);
    EXPECT_EQ(ConvertTwipsToPixels(c.twips, 1), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Cases, TwipsToPixels,
                         ::testing::Values(TwipsCase{96, 1500, 100}, TwipsCase{96, 1510, 101},
                                           TwipsCase{96, 1530, 102}, TwipsCase{120, 6, 0},
                                           TwipsCase{120, 18, 2}, TwipsCase{120, 30, 2},
                                           TwipsCase{120, 42, 4}));

TEST(ScreenTest, DirectionsUseTheirOwnDpi)
{
    Screen::pin(96, 120, 1000, 800, 24);
    EXPECT_EQ(ConvertTwipsToPixels(1200, 0), 80);
    EXPECT_EQ(ConvertTwipsToPixels(1200, 7), 100); // any non-zero code is vertical
    EXPECT_DOUBLE_EQ(Screen::widthTwips(), 15000);
    Screen::pin(96, 96, 1920, 1080, 32);
}

} // namespace
