#include "JpegHeader.h"

#include <QFile>

JpegHeader JpegHeader::read(const QString& path)
{
    JpegHeader header;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return header;
    const QByteArray head = file.read(2);
    if (head.size() != 2 || uchar(head[0]) != 0xFF || uchar(head[1]) != 0xD8)
        return header;
    // Walk the marker segments up to the first start-of-frame.
    for (;;) {
        char byte = 0;
        if (!file.getChar(&byte))
            return header;
        if (uchar(byte) != 0xFF)
            continue;
        uchar marker = 0xFF;
        while (marker == 0xFF) {
            if (!file.getChar(&byte))
                return header;
            marker = uchar(byte);
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue; // segments without a length
        const QByteArray length = file.read(2);
        if (length.size() != 2)
            return header;
        const int segment = (uchar(length[0]) << 8 | uchar(length[1])) - 2;
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4
            && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            const QByteArray frame = file.read(5);
            if (frame.size() != 5)
                return header;
            header.size = QSize(
                uchar(frame[3]) << 8 | uchar(frame[4]), uchar(frame[1]) << 8 | uchar(frame[2]));
            header.progressive
                = marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
            header.valid = true;
            return header;
        }
        if (segment < 0 || !file.seek(file.pos() + segment))
            return header;
    }
}
