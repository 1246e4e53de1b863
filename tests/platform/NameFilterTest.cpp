#include "NameFilter.h"
#include "QtDialogs.h"
#include "TestSupport.h"

#include <QFileDialog>
#include <QListView>
#include <QTest>

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
    EXPECT_EQ(toQtNameFilters(QString::fromLatin1(kLogos)).value(0),
              QStringLiteral("All Image Files (*.jpg; *.bmp; *.png) (*.jpg *.bmp *.png)"));
}

// The open dialog lists Photo.JPG under *.jpg, as a user of the original
// platform expects, and leaves out what no mask matches.
TEST(NameFilterTest, OpenDialogMatchesMasksWithoutRegardToCase)
{
    QTemporaryDir dir;
    for (const char* name : {"Photo.JPG", "scan.Bmp", "logo.png", "photo.jpeg"})
        writeText(dir.filePath(QString::fromLatin1(name)), "x");
    QFileDialog dialog;
    QtDialogs::setUpOpenDialog(dialog, toQtNameFilters(QString::fromLatin1(kPictures)));
    dialog.setDirectory(dir.path());
    dialog.show();
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    const auto shown = [&] {
        QStringList names;
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < view->model()->rowCount(root); ++row)
            names << view->model()->index(row, 0, root).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE(shown(), (QStringList{QStringLiteral("Photo.JPG"), QStringLiteral("scan.Bmp")}));
    dialog.selectNameFilter(toQtNameFilters(QString::fromLatin1(kPictures)).value(2));
    QTRY_COMPARE(shown(), QStringList{QStringLiteral("scan.Bmp")});
}

} // namespace
