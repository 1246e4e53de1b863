#include "BrowseForFolder.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(SelectFolderTest, TitleAndAnswers)
{
    ScopedDialogs dialogs;
    dialogs->folder(QString()).folder(QStringLiteral("/photos")).folder(QStringLiteral("/"));
    EXPECT_EQ(SelectFolder(nullptr), QString());
    EXPECT_EQ(dialogs->last().title, QStringLiteral("Select Directory"));
    EXPECT_EQ(SelectFolder(nullptr), QStringLiteral("/photos"));
    EXPECT_EQ(SelectFolder(nullptr), QStringLiteral("/"));
}

} // namespace
