#include "ToolProfile.h"

#include "SharedTexts.h"

namespace {

using namespace SharedTexts;

constexpr BilingualText kFolderSource{"Sila nyatakan Direktori Sumber!", "Please specify Source Folder!"};
constexpr BilingualText kFolderTarget{"Sila nyatakan Direktori Sasaran", "Please specify Target Folder!"};
constexpr BilingualText kTitleInvalidFile{"Lumaro: Fail Tidak Sah", "Lumaro: Invalid File"};
constexpr BilingualText kTitleInvalidFolder{"Lumaro: Direktori Tidak Sah", "Lumaro: Invalid Folder"};
constexpr BilingualText kNone{"", ""};

const ValidationTexts kSharedRunTexts{titleNoPictureFile, titleNoFolder, noPictureFile,
                                      noBulkFolder, noTargetFolder, kNone, kNone};

constexpr BilingualText kSingleFail{"Fail : ", "Single File : "};
constexpr BilingualText kBulk{"Direktori Fail Pukal : ", "Bulk File Directory : "};
constexpr BilingualText kTarget{"Direktori Sasaran : ", "Target Directory : "};
constexpr BilingualText kWatermarkLead{"Letak teks watermark untuk ", "Adding text watermark for "};
constexpr BilingualText kDoneTail{" file(s) SELESAI.", " file(s) DONE."};
constexpr BilingualText kLongHeading{"Berikut adalah format fail yang tidak sah:-",
                                     "Below are the invalid file format:-"};
constexpr BilingualText kLongRule{"-----------------------------------------  ",
                                  "---------------------------------  "};

const QStringList kBmpJpg{QStringLiteral(".bmp"), QStringLiteral(".jpg")};

} // namespace

namespace ToolProfiles {

const ToolProfile& insertText()
{
    static const ToolProfile profile{
        "Insert Text",
        {QStringLiteral(".bmp"), QStringLiteral(".png"), QStringLiteral(".jpg"), QStringLiteral(".tif")},
        {"Single File : ", "Single File : "},
        kBulk,
        {"Directory Sasaran : ", "Target Directory : "},
        kSharedRunTexts,
        kSharedRunTexts,
        false,
        {"Masukkan Teks", "Insert Text"},
        {"Memasukkan teks untuk ", "Inserting text for "},
        kDoneTail,
        invalidHeading,
        {"------------------------------------  ", "---------------------------------  "},
        QStringLiteral("adtx-"),
        QStringLiteral(".bmp"),
        QStringLiteral("adt-"),
    };
    return profile;
}

const ToolProfile& textWatermark()
{
    static const ToolProfile profile{
        "Text Watermark",
        kBmpJpg,
        kSingleFail,
        kBulk,
        kTarget,
        {titleNoPictureFile, titleNoFolder, noPictureFile, kFolderSource, kFolderTarget, kNone, kNone},
        kSharedRunTexts,
        false,
        {"Teks Watermark", "Text Watermark"},
        kWatermarkLead,
        kDoneTail,
        kLongHeading,
        kLongRule,
        QStringLiteral("adwt-"),
        QStringLiteral(".jpg"),
        QStringLiteral("awtx-"),
    };
    return profile;
}

const ToolProfile& logoWatermark()
{
    static const ToolProfile profile{
        "Logo Watermark",
        kBmpJpg,
        kSingleFail,
        kBulk,
        kTarget,
        {kTitleInvalidFile, kTitleInvalidFolder, noPictureFile, kFolderSource, kFolderTarget,
         kTitleInvalidFile, {"Sila nyatkan fail LOGO!", "Please specify LOGO file!"}},
        {titleNoPictureFile, titleNoFolder, noPictureFile, noBulkFolder, noTargetFolder,
         titleNoPictureFile, {"Sila nyatakan fail LOGO!", "Please specify LOGO file!"}},
        true,
        {"LOGO Watermark", "LOGO Watermark"},
        kWatermarkLead,
        kDoneTail,
        kLongHeading,
        kLongRule,
        QStringLiteral("adwl-"),
        QStringLiteral(".jpg"),
        QStringLiteral("awlo-"),
    };
    return profile;
}

const ToolProfile& rotate()
{
    static const ToolProfile profile{
        "Rotate",
        kBmpJpg,
        kSingleFail,
        kBulk,
        kTarget,
        {kTitleInvalidFile, kTitleInvalidFolder, noPictureFile, kFolderSource, kFolderTarget, kNone,
         kNone},
        kSharedRunTexts,
        false,
        {"Ubah Posisi Gambar", "Rotate Picture"},
        {"Ubah Posisi ", "Rotate "},
        {" fail Gambar SELESAI.", " Picture file(s) DONE."},
        kLongHeading,
        kLongRule,
        QStringLiteral("rotx-"),
        QStringLiteral(".jpg"),
        QStringLiteral("rot-"),
    };
    return profile;
}

} // namespace ToolProfiles
