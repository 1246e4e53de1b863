#pragma once

#include "Language.h"

// Texts the four picture tools share. A tool whose own copy words a text
// differently keeps that wording in its own profile.
namespace SharedTexts {

inline constexpr BilingualText titleNoPictureFile{"Lumaro: Fail Tidak Sah", "Lumaro: Invalid Path"};
inline constexpr BilingualText titleNoFolder{"Lumaro: Direktori Tidak Sah", "Lumaro: Invalid Path"};
inline constexpr BilingualText noPictureFile{"Sila nyatakan fail gambar anda!",
                                             "Please specify your picture file!"};
inline constexpr BilingualText noBulkFolder{"Sila nyatakan Direktori Sumber!",
                                            "Please specify Source Directory!"};
inline constexpr BilingualText noTargetFolder{"Sila nyatakan Direktori Sasaran",
                                              "Please specify Target Directory!"};
inline constexpr BilingualText emptyFolder{"Sila pastikan direktori terdapat fail imej!",
                                           "Please ensure the directory contains image file!"};
inline constexpr const char* emptyFolderTitle = "Lumaro";
inline constexpr BilingualText failureTitle{"Error", "Error"};
inline constexpr BilingualText continueQuestion{"Continue?", "Continue?"};
inline constexpr BilingualText selectFileTitle{"Pilih Fail", "Select File"};
inline constexpr BilingualText noInvalidFile{"None", "None"};
inline constexpr BilingualText invalidHeading{"Berikut adalah format fail tidak sah:-",
                                              "Below are the invalid file format:-"};
inline constexpr BilingualText invalidTotal{"Jumlah fail tidak sah : ", "Total invalid file(s) : "};
inline constexpr const char* programTitle = "Lumaro";

// The single-file filter of all four picture tools.
inline constexpr const char* pictureFilter =
    "All Image Files (*.jpg; *.bmp)| *.jpg; *.bmp|JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp";

} // namespace SharedTexts
