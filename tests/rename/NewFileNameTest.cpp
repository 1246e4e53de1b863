#include "NewFileName.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* prefix;
    int position;
    const char* name;
    const char* expected;
};

TEST(NewFileNameTest, PrefixCounterAndEverythingAfterTheFirstDot)
{
    const NameCase cases[] = {
        { "x", 0, "a.png", "x-0000.png" }, { "x", 1, "b.jpg", "x-0001.jpg" },
        { "x", 2, "c", "x-0002.c" }, // no dot: the whole name is the extension
        { "x", 0, "README", "x-0000.README" }, { "x", 0, "archive.tar.gz", "x-0000.tar.gz" },
        { "x", 0, "photo.JPG", "x-0000.JPG" }, { "x", 0, "photo.2019.jpg", "x-0000.2019.jpg" },
        { "x", 0, "trailing.", "x-0000." }, { "", 0, "a.jpg", "-0000.jpg" },
        { "  holiday  ", 10, "a.jpg", "holiday-0010.jpg" }, // pasted spaces are trimmed
        { "\tx", 0, "a.jpg", "\tx-0000.jpg" }, // only spaces are trimmed
        { "x", 9999, "a.jpg", "x-9999.jpg" },
        { "x", 0, "x-0000.jpg", "x-0000.jpg" }, // a second run under the same prefix
    };
    for (const NameCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NewFileName::compose(
                      QString::fromUtf8(c.prefix), c.position, QString::fromUtf8(c.name)),
            QString::fromUtf8(c.expected));
    }
}

TEST(NewFileNameTest, NamesThatWouldLeaveTheFolderAreRefused)
{
    EXPECT_TRUE(NewFileName::staysInFolder(QStringLiteral("x-0000.jpg")));
    EXPECT_TRUE(NewFileName::staysInFolder(QStringLiteral("..-0000.jpg")));
    EXPECT_FALSE(NewFileName::staysInFolder(QStringLiteral("../x-0000.jpg")));
    EXPECT_FALSE(NewFileName::staysInFolder(QStringLiteral("a/b-0000.jpg")));
    EXPECT_FALSE(
        NewFileName::staysInFolder(QStringLiteral("a") + QChar(0) + QStringLiteral("-0000.jpg")));
}

} // namespace
