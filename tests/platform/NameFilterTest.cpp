#include "NameFilter.h"

#include <gtest/gtest.h>

namespace {

const char* kPictures =
    "All Image Files (*.jpg; *.bmp)| *.jpg; *.bmp|JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp";
const char* kLogos = "All Image Files (*.jpg; *.bmp; *.png)| *.jpg; *.bmp; *.png|JPEG "
                     "(*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|PNG (*.png)|*.png";

TEST(NameFilterTest, PipeFilterBecomesOneEntryPerPair)
{
    EXPECT_EQ(toQtNameFilters(QString::fromLatin1(kPictures)),
              (QStringList{QStringLiteral("All Image Files (*.jpg; *.bmp) (*.jpg *.bmp)"),
                           QStringLiteral("JPEG (*.jpg) (*.jpg)"),
                           QStringLiteral("Bitmap (*.bmp) (*.bmp)")}));
    const QStringList logos = toQtNameFilters(QString::fromLatin1(kLogos));
    ASSERT_EQ(logos.size(), 4);
    EXPECT_EQ(masksOfQtFilter(logos[0]),
              (QStringList{QStringLiteral("*.jpg"), QStringLiteral("*.bmp"), QStringLiteral("*.png")}));
    EXPECT_EQ(masksOfQtFilter(logos[3]), QStringList{QStringLiteral("*.png")});
}

TEST(NameFilterTest, MasksIgnoreLetterCase)
{
    const QStringList masks = masksOfQtFilter(toQtNameFilters(QString::fromLatin1(kPictures))[0]);
    EXPECT_TRUE(matchesMasks(masks, QStringLiteral("Photo.JPG")));
    EXPECT_TRUE(matchesMasks(masks, QStringLiteral("scan.Bmp")));
    EXPECT_FALSE(matchesMasks(masks, QStringLiteral("logo.png")));
    EXPECT_FALSE(matchesMasks(masks, QStringLiteral("photo.jpeg")));
}

} // namespace
