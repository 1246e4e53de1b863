#include "FitPictureToPreview.h"
#include "PictureSurface.h"
#include "Screen.h"
#include "StdPicture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct FitCase {
    double w, h, boxW, boxH;
    double fitW, fitH;
    bool narrowed, shortened;
};

class FitSizeCases : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitSizeCases, ReducesOnlyKeepingAspect)
{
    const FitCase c = GetParam();
    const FitResult fit = fitSize(c.w, c.h, c.boxW, c.boxH);
    EXPECT_NEAR(fit.width, c.fitW, 0.01);
    EXPECT_NEAR(fit.height, c.fitH, 0.01);
    EXPECT_EQ(fit.narrowed, c.narrowed);
    EXPECT_EQ(fit.shortened, c.shortened);
}

INSTANTIATE_TEST_SUITE_P(
    Pixels, FitSizeCases,
    ::testing::Values(FitCase{4000, 3000, 1280, 900, 1200, 900, true, true},
                      FitCase{4000, 3000, 1000, 700, 933.33, 700, true, true},
                      FitCase{1200, 400, 1000, 700, 1000, 333.33, true, false},
                      FitCase{300, 1000, 1000, 700, 210, 700, false, true},
                      FitCase{400, 300, 1000, 700, 400, 300, false, false}));

TEST(FitPictureToPreviewTest, ResizesDrawsAndCentresOnTheScreen)
{
    PictureSurface preview(QStringLiteral("Picture1"));
    preview.setAutoRedraw(true);
    preview.resize(1280, 900);
    preview.move(0, 0);
    StdPicture picture;
    picture.natural = QSize(4000, 3000);
    picture.image = solidImage(400, 300, Qt::red);
    const FitResult fit = FitPictureToPreview(preview, picture);
    EXPECT_DOUBLE_EQ(fit.width, 18000);
    EXPECT_DOUBLE_EQ(fit.height, 13500);
    EXPECT_EQ(preview.size(), QSize(1200, 900));
    EXPECT_EQ(preview.x(), (1920 - 1200) / 2);
    EXPECT_EQ(preview.y(), 0);
    EXPECT_EQ(preview.picture().size(), QSize(1200, 900));
    EXPECT_EQ(preview.picture().pixelColor(1199, 899), QColor(255, 0, 0));

    // A small picture keeps its size; without centring the surface stays put.
    preview.resize(1280, 900);
    preview.move(5, 7);
    picture.natural = QSize(40, 30);
    picture.image = solidImage(40, 30, Qt::blue);
    FitPictureToPreview(preview, picture, false);
    EXPECT_EQ(preview.size(), QSize(40, 30));
    EXPECT_EQ(preview.pos(), QPoint(5, 7));
}

} // namespace
