#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A picture as the toolkit's loader hands it out: the decoded pixels (possibly
// decoded at a reduced scale) and the natural pixel size of the file, which is
// what every fit computes with.
struct StdPicture {
    QImage image;
    QSize natural;

    bool isNull() const { return image.isNull(); }
    // Natural size in twips at the screen's dots per inch.
    double widthTwips() const;
    double heightTwips() const;
};

// Loads a picture file (JPEG, BMP, PNG, TIFF, ...). When fitBox (pixels) is
// given and the picture will be reduced to fit it, large JPEGs are decoded at
// the smallest DCT scale that still covers the fitted size. Throws
// RuntimeError naming the file when it cannot be read or decoded.
StdPicture LoadPicture(const QString& path, QSize fitBox = QSize());

// Writes the image as an uncompressed 24-bit Windows bitmap, whatever the file
// name says. Throws RuntimeError naming the file on failure; a failed write
// leaves no partial file behind.
void SavePicture(const QImage& image, const QString& path);

// The power-of-two reduction (1, 2, 4 or 8) a JPEG of `natural` size can be
// decoded at and still cover what it is fitted to inside `box`.
int jpegReductionFor(QSize natural, QSize box);
