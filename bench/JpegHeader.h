#pragma once

#include <QSize>
#include <QString>

// What the frame header of a JPEG file says, read without decoding: its size
// and whether it is progressive (SOF2) rather than baseline or extended.
struct JpegHeader {
    bool valid = false;
    bool progressive = false;
    QSize size;

    static JpegHeader read(const QString& path);
};
