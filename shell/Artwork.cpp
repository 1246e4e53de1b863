#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <cmath>

namespace {

constexpr int kFlagW = 30;
constexpr int kFlagH = 18;
constexpr int kZoom = 10; // drawn large, then reduced smoothly

QImage reduce(const QImage& big)
{
    return big.scaled(kFlagW, kFlagH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QPolygonF star(QPointF centre, double outer, double inner, int points)
{
    QPolygonF polygon;
    for (int i = 0; i < 2 * points; ++i) {
        const double r = (i % 2 == 0) ? outer : inner;
        const double a = -M_PI / 2 + i * M_PI / points;
        polygon << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return polygon;
}

} // namespace

namespace Artwork {

QImage malaysianFlag()
{
    const double w = kFlagW * kZoom, h = kFlagH * kZoom;
    QImage big(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const double stripe = h / 14.0;
    for (int i = 0; i < 14; i += 2)
        p.fillRect(QRectF(0, i * stripe, w, stripe), QColor(204, 0, 1));
    const QRectF canton(0, 0, w / 2, stripe * 8);
    p.fillRect(canton, QColor(1, 0, 102));
    const QColor yellow(255, 204, 0);
    // Crescent: a yellow disc with a blue disc cut out of it.
    const QPointF c(canton.width() * 0.36, canton.height() / 2);
    const double r = canton.height() * 0.40;
    QPainterPath crescent;
    crescent.addEllipse(c, r, r);
    QPainterPath cut;
    cut.addEllipse(c + QPointF(r * 0.25, 0), r * 0.85, r * 0.85);
    p.fillPath(crescent.subtracted(cut), yellow);
    p.setBrush(yellow);
    p.setPen(Qt::NoPen);
    p.drawPolygon(star(QPointF(canton.width() * 0.72, canton.height() / 2), r * 0.62, r * 0.28, 14));
    p.end();
    return reduce(big);
}

QImage britishFlag()
{
    const double w = kFlagW * kZoom, h = kFlagH * kZoom;
    QImage big(int(w), int(h), QImage::Format_ARGB32_Premultiplied);
    const QColor blue(1, 33, 105), red(200, 16, 46);
    big.fill(blue);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = h / 30.0;
    p.setPen(QPen(Qt::white, 6 * unit));
    p.drawLine(QPointF(0, 0), QPointF(w, h));
    p.drawLine(QPointF(0, h), QPointF(w, 0));
    p.setPen(QPen(red, 2 * unit));
    p.drawLine(QPointF(0, 0), QPointF(w, h));
    p.drawLine(QPointF(0, h), QPointF(w, 0));
    p.fillRect(QRectF(w / 2 - 5 * unit, 0, 10 * unit, h), Qt::white);
    p.fillRect(QRectF(0, h / 2 - 5 * unit, w, 10 * unit), Qt::white);
    p.fillRect(QRectF(w / 2 - 3 * unit, 0, 6 * unit, h), red);
    p.fillRect(QRectF(0, h / 2 - 3 * unit, w, 6 * unit), red);
    p.end();
    return reduce(big);
}

QImage mainBackground()
{
    const int w = 1025, h = 634;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0.0, QColor(28, 52, 94));
    sky.setColorAt(0.55, QColor(74, 126, 178));
    sky.setColorAt(1.0, QColor(236, 190, 120));
    p.fillRect(image.rect(), sky);
    // A low sun and two rows of hills: a landscape, the stuff of photos.
    QRadialGradient sun(QPointF(760, 420), 150);
    sun.setColorAt(0, QColor(255, 236, 180, 230));
    sun.setColorAt(1, QColor(255, 236, 180, 0));
    p.fillRect(image.rect(), sun);
    QPainterPath far;
    far.moveTo(0, 470);
    for (int x = 0; x <= w; x += 25)
        far.lineTo(x, 450 - 40 * std::sin(x / 150.0) - 18 * std::sin(x / 47.0));
    far.lineTo(w, h);
    far.lineTo(0, h);
    p.fillPath(far, QColor(52, 84, 96));
    QPainterPath near;
    near.moveTo(0, 540);
    for (int x = 0; x <= w; x += 25)
        near.lineTo(x, 530 - 30 * std::sin(x / 210.0 + 1.2));
    near.lineTo(w, h);
    near.lineTo(0, h);
    p.fillPath(near, QColor(24, 48, 52));
    // Stacked photo frames with the program's name.
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(170 + i * 26, 150 + i * 14);
        p.rotate(-8 + i * 7);
        p.setPen(QPen(QColor(0, 0, 0, 70), 2));
        p.setBrush(QColor(250, 248, 240));
        p.drawRect(QRectF(0, 0, 230, 170));
        p.fillRect(QRectF(12, 12, 206, 146), QColor(90 + 40 * i, 140, 190 - 30 * i));
        p.restore();
    }
    QFont title(QStringLiteral("Liberation Serif"));
    title.setPixelSize(92);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QPointF(503, 253), QStringLiteral("Lumaro"));
    p.setPen(QColor(255, 250, 235));
    p.drawText(QPointF(498, 248), QStringLiteral("Lumaro"));
    QFont sub(QStringLiteral("Liberation Sans"));
    sub.setPixelSize(24);
    p.setFont(sub);
    p.drawText(QPointF(502, 292), QStringLiteral("Text \u00B7 Watermark \u00B7 Rotate \u00B7 GIF \u00B7 Rename"));
    p.end();
    return image;
}

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 52, 94));
    p.drawRoundedRect(QRectF(4, 8, 56, 48), 6, 6);
    p.setBrush(QColor(236, 190, 120));
    p.drawEllipse(QPointF(44, 22), 7, 7);
    QPainterPath hills;
    hills.moveTo(8, 52);
    hills.lineTo(24, 30);
    hills.lineTo(34, 42);
    hills.lineTo(42, 34);
    hills.lineTo(56, 52);
    hills.closeSubpath();
    p.setBrush(QColor(74, 126, 178));
    p.drawPath(hills);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(4, 8, 56, 30), Qt::AlignLeft | Qt::AlignTop, QStringLiteral(" L"));
    p.end();
    return image;
}

} // namespace Artwork
