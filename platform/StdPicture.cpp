#include "StdPicture.h"

#include "RuntimeError.h"
#include "Screen.h"

#include <FreeImage.h>

#include <QFile>
#include <QImageReader>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

double StdPicture::widthTwips() const { return Screen::pixelsToTwips(natural.width(), 0); }
double StdPicture::heightTwips() const { return Screen::pixelsToTwips(natural.height(), 1); }

int jpegReductionFor(QSize natural, QSize box)
{
    if (!box.isValid() || natural.isEmpty())
        return 1;
    const double scale = std::min({1.0, double(box.width()) / natural.width(),
                                   double(box.height()) / natural.height()});
    int reduction = 1;
    while (reduction < 8 && natural.width() / (reduction * 2) >= natural.width() * scale
           && natural.height() / (reduction * 2) >= natural.height() * scale)
        reduction *= 2;
    return reduction;
}

namespace {

QImage loadWithFreeImage(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(native.constData(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(native.constData());
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsReading(format))
        return {};
    FIBITMAP* loaded = FreeImage_Load(format, native.constData(), 0);
    if (!loaded)
        return {};
    FIBITMAP* rgba = FreeImage_ConvertTo32Bits(loaded);
    FreeImage_Unload(loaded);
    if (!rgba)
        return {};
    const int width = int(FreeImage_GetWidth(rgba));
    const int height = int(FreeImage_GetHeight(rgba));
    QImage image(width, height, QImage::Format_ARGB32);
    // FreeImage keeps rows bottom-up in BGRA order, which is ARGB32 on little endian.
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), FreeImage_GetScanLine(rgba, height - 1 - y),
                    size_t(width) * 4);
    FreeImage_Unload(rgba);
    return image;
}

} // namespace

StdPicture LoadPicture(const QString& path, QSize fitBox)
{
    if (!QFile::exists(path))
        throw RuntimeError(QStringLiteral("File not found: %1").arg(path), 53);
    StdPicture picture;
    QImageReader reader(path);
    reader.setAutoTransform(false);
    if (reader.canRead()) {
        picture.natural = reader.size();
        if (reader.format() == "jpeg" && picture.natural.isValid()) {
            const int reduction = jpegReductionFor(picture.natural, fitBox);
            if (reduction > 1) {
                reader.setQuality(100); // smooth final step, accurate DCT
                reader.setScaledSize(QSize(picture.natural.width() / reduction,
                                           picture.natural.height() / reduction));
            }
        }
        picture.image = reader.read();
        if (!picture.natural.isValid())
            picture.natural = picture.image.size();
    }
    if (picture.image.isNull()) {
        picture.image = loadWithFreeImage(path);
        picture.natural = picture.image.size();
    }
    if (picture.image.isNull())
        throw RuntimeError(QStringLiteral("Invalid picture: %1").arg(path), 481);
    return picture;
}

namespace {
void put16(char* p, uint16_t v)
{
    p[0] = char(v & 0xFF);
    p[1] = char(v >> 8);
}
void put32(char* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = char((v >> (8 * i)) & 0xFF);
}
} // namespace

void SavePicture(const QImage& image, const QString& path)
{
    const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t dataSize = uint32_t(rowBytes) * uint32_t(height);
    QByteArray file(54 + qsizetype(dataSize), '\0');
    char* h = file.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, 54 + dataSize);
    put32(h + 10, 54);
    put32(h + 14, 40);
    put32(h + 18, uint32_t(width));
    put32(h + 22, uint32_t(height));
    put16(h + 26, 1);
    put16(h + 28, 24);
    put32(h + 34, dataSize);
    const uint32_t ppm = uint32_t(Screen::dpiX() / 0.0254 + 0.5);
    put32(h + 38, ppm);
    put32(h + 42, uint32_t(Screen::dpiY() / 0.0254 + 0.5));
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
        auto* dst = reinterpret_cast<unsigned char*>(h + 54 + qsizetype(height - 1 - y) * rowBytes);
        for (int x = 0; x < width; ++x) {
            const uint32_t px = src[x];
            dst[3 * x] = uchar(px & 0xFF);
            dst[3 * x + 1] = uchar((px >> 8) & 0xFF);
            dst[3 * x + 2] = uchar((px >> 16) & 0xFF);
        }
    }
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        throw RuntimeError(QStringLiteral("Cannot write %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(errno))),
                           75);
    qsizetype written = 0;
    while (written < file.size()) {
        const ssize_t n = ::write(fd, file.constData() + written, size_t(file.size() - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            ::unlink(native.constData());
            throw RuntimeError(QStringLiteral("Cannot write %1: %2")
                                   .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                               75);
        }
        written += n;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(native.constData());
        throw RuntimeError(QStringLiteral("Cannot write %1: %2")
                               .arg(path, QString::fromLocal8Bit(std::strerror(error))),
                           75);
    }
}
