#include "JobSettings.h"
#include "ToolProfile.h"

#include <gtest/gtest.h>

namespace {

struct Expected {
    const char* title;
    const char* text;
};

// For one tool, step and language, the notice of each check in order:
// no picture file, no bulk folder, no target folder, no logo (null: passes).
struct ValidationRow {
    const ToolProfile& (*profile)();
    JobStep step;
    const char* language;
    Expected noFile, noFolder, noTarget, noLogo;
};

constexpr Expected kPass{nullptr, nullptr};
constexpr Expected kPathFile{"Lumaro: Invalid Path", "Please specify your picture file!"};
constexpr Expected kPathSourceDir{"Lumaro: Invalid Path", "Please specify Source Directory!"};
constexpr Expected kPathTargetDir{"Lumaro: Invalid Path", "Please specify Target Directory!"};
constexpr Expected kPathSourceFolder{"Lumaro: Invalid Path", "Please specify Source Folder!"};
constexpr Expected kPathTargetFolder{"Lumaro: Invalid Path", "Please specify Target Folder!"};
constexpr Expected kInvalidFile{"Lumaro: Invalid File", "Please specify your picture file!"};
constexpr Expected kFolderSource{"Lumaro: Invalid Folder", "Please specify Source Folder!"};
constexpr Expected kFolderTarget{"Lumaro: Invalid Folder", "Please specify Target Folder!"};
constexpr Expected kBmFile{"Lumaro: Fail Tidak Sah", "Sila nyatakan fail gambar anda!"};
constexpr Expected kBmSource{"Lumaro: Direktori Tidak Sah", "Sila nyatakan Direktori Sumber!"};
constexpr Expected kBmTarget{"Lumaro: Direktori Tidak Sah", "Sila nyatakan Direktori Sasaran"};

using namespace ToolProfiles;
const JobStep kLoad = JobStep::LoadPicture;
const JobStep kRun = JobStep::Run;

const ValidationRow kRows[] = {
    {insertText, kLoad, "eng", kPathFile, kPathSourceDir, kPathTargetDir, kPass},
    {insertText, kRun, "eng", kPathFile, kPathSourceDir, kPathTargetDir, kPass},
    {textWatermark, kLoad, "eng", kPathFile, kPathSourceFolder, kPathTargetFolder, kPass},
    {textWatermark, kRun, "eng", kPathFile, kPathSourceDir, kPathTargetDir, kPass},
    {logoWatermark, kLoad, "eng", kInvalidFile, kFolderSource, kFolderTarget,
     {"Lumaro: Invalid File", "Please specify LOGO file!"}},
    {logoWatermark, kRun, "eng", kPathFile, kPathSourceDir, kPathTargetDir,
     {"Lumaro: Invalid Path", "Please specify LOGO file!"}},
    {rotate, kLoad, "eng", kInvalidFile, kFolderSource, kFolderTarget, kPass},
    {rotate, kRun, "eng", kPathFile, kPathSourceDir, kPathTargetDir, kPass},
    {insertText, kLoad, "bm", kBmFile, kBmSource, kBmTarget, kPass},
    {textWatermark, kRun, "bm", kBmFile, kBmSource, kBmTarget, kPass},
    {logoWatermark, kLoad, "bm", kBmFile, kBmSource, kBmTarget,
     {"Lumaro: Fail Tidak Sah", "Sila nyatkan fail LOGO!"}},
    {logoWatermark, kRun, "bm", kBmFile, kBmSource, kBmTarget,
     {"Lumaro: Fail Tidak Sah", "Sila nyatakan fail LOGO!"}},
    {rotate, kLoad, "bm", kBmFile, kBmSource, kBmTarget, kPass},
};

void expectNotice(const std::optional<JobNotice>& notice, const Expected& expected)
{
    if (!expected.title) {
        EXPECT_FALSE(notice.has_value()) << notice->text.toStdString();
        return;
    }
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->title, QString::fromUtf8(expected.title));
    EXPECT_EQ(notice->text, QString::fromUtf8(expected.text));
}

class ValidationTable : public ::testing::TestWithParam<ValidationRow> {};

TEST_P(ValidationTable, ChecksRunInOrderWithEachToolsTexts)
{
    const ValidationRow& row = GetParam();
    const ToolProfile& profile = row.profile();
    const QString language = QString::fromLatin1(row.language);
    const QString logo = QStringLiteral("/logos/logo.png");

    JobSettings settings;
    // No source chosen yet counts as single mode without a file; the first
    // failing check is the only one shown.
    expectNotice(settings.validate(profile, row.step, language, logo), row.noFile);
    settings.mode = JobMode::Single;
    expectNotice(settings.validate(profile, row.step, language, logo), row.noFile);
    settings.mode = JobMode::Bulk;
    expectNotice(settings.validate(profile, row.step, language, logo), row.noFolder);
    settings.bulkFolder = QStringLiteral("/photos");
    expectNotice(settings.validate(profile, row.step, language, logo), row.noTarget);
    settings.targetFolder = QStringLiteral("/");
    expectNotice(settings.validate(profile, row.step, language, QString()), row.noLogo);
    expectNotice(settings.validate(profile, row.step, language, logo), kPass);
    // Only emptiness counts: a single file that does not exist passes.
    settings.mode = JobMode::Single;
    settings.singleFilePath = QStringLiteral("/nowhere/missing.jpg");
    expectNotice(settings.validate(profile, row.step, language, logo), kPass);
}

INSTANTIATE_TEST_SUITE_P(Profiles, ValidationTable, ::testing::ValuesIn(kRows));

TEST(JobSettingsTest, LabelPrefixesPerTool)
{
    const QString eng = QStringLiteral("eng"), bm = QStringLiteral("bm");
    const QString file = QStringLiteral("/p/a.jpg");
    EXPECT_EQ(JobSettings::singleLabel(insertText(), bm, file), QStringLiteral("Single File : /p/a.jpg"));
    for (auto profile : {textWatermark, logoWatermark, rotate}) {
        EXPECT_EQ(JobSettings::singleLabel(profile(), bm, file), QStringLiteral("Fail : /p/a.jpg"));
        EXPECT_EQ(JobSettings::singleLabel(profile(), eng, file),
                  QStringLiteral("Single File : /p/a.jpg"));
        EXPECT_EQ(JobSettings::folderLabel(profile().targetPrefix, bm, QStringLiteral("/out")),
                  QStringLiteral("Direktori Sasaran : /out/"));
    }
    EXPECT_EQ(JobSettings::folderLabel(insertText().targetPrefix, bm, QStringLiteral("/out")),
              QStringLiteral("Directory Sasaran : /out/"));
    EXPECT_EQ(JobSettings::folderLabel(insertText().targetPrefix, eng, QStringLiteral("/out")),
              QStringLiteral("Target Directory : /out/"));
    EXPECT_EQ(JobSettings::folderLabel(rotate().bulkPrefix, bm, QStringLiteral("/p")),
              QStringLiteral("Direktori Fail Pukal : /p/"));
}

TEST(JobSettingsTest, TheRootIsHeldAsItselfAndNeverDoubled)
{
    EXPECT_EQ(JobSettings::heldFolder(QStringLiteral("/")), QStringLiteral("/"));
    EXPECT_EQ(JobSettings::heldFolder(QStringLiteral("/Photos/")), QStringLiteral("/Photos"));
    const QString eng = QStringLiteral("eng");
    EXPECT_EQ(JobSettings::folderLabel(insertText().bulkPrefix, eng, QStringLiteral("/")),
              QStringLiteral("Bulk File Directory : /"));
    EXPECT_EQ(JobSettings::folderLabel(insertText().bulkPrefix, eng, QStringLiteral("/Photos")),
              QStringLiteral("Bulk File Directory : /Photos/"));
    // Before any choice the label shows just the prefix and the separator.
    EXPECT_EQ(JobSettings::folderLabel(insertText().bulkPrefix, eng, QString()),
              QStringLiteral("Bulk File Directory : /"));
}

} // namespace
