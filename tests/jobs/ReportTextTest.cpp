#include "ReportText.h"
#include "ToolProfile.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportTextTest, EnglishReportForOneRefusedFile)
{
    const QString expected = QStringLiteral(
        "Inserting text for 3 file(s) DONE.\r\n"
        "                            \r\n"
        "Below are the invalid file format:-\r\n"
        "---------------------------------  \r\n"
        "                                   \r\n"
        "x.txt ; \r\n"
        "                                   \r\n"
        "Total invalid file(s) : 1");
    EXPECT_EQ(ReportText(ToolProfiles::insertText(), QStringLiteral("eng"), 3,
                         QStringLiteral("x.txt ; "), 1),
              expected);
}

TEST(ReportTextTest, MalayReportsUseEachToolsWording)
{
    EXPECT_EQ(ReportText(ToolProfiles::insertText(), QStringLiteral("bm"), 1,
                         QStringLiteral("x.txt ; "), 1),
              QStringLiteral("Memasukkan teks untuk 1 file(s) SELESAI.\r\n"
                             "                            \r\n"
                             "Berikut adalah format fail tidak sah:-\r\n"
                             "------------------------------------  \r\n"
                             "                                   \r\n"
                             "x.txt ; \r\n"
                             "                                   \r\n"
                             "Jumlah fail tidak sah : 1"));
    EXPECT_EQ(ReportText(ToolProfiles::rotate(), QStringLiteral("bm"), 0, QStringLiteral("None"), 0),
              QStringLiteral("Ubah Posisi 0 fail Gambar SELESAI.\r\n"
                             "                            \r\n"
                             "Berikut adalah format fail yang tidak sah:-\r\n"
                             "-----------------------------------------  \r\n"
                             "                                   \r\n"
                             "None\r\n"
                             "                                   \r\n"
                             "Jumlah fail tidak sah : 0"));
    const QString watermark = ReportText(ToolProfiles::logoWatermark(), QStringLiteral("eng"), 2,
                                         QStringLiteral("None"), 0);
    EXPECT_TRUE(watermark.startsWith(QStringLiteral("Adding text watermark for 2 file(s) DONE.\r\n")));
}

} // namespace
