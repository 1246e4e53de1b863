#include "PictureSurface.h"

#include "Screen.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {
QImage newImage(QSize size)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(Screen::dpiX() / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(Screen::dpiY() / 0.0254)));
    return image;
}
} // namespace

PictureSurface::PictureSurface(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setAccessibleName(name);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_font = QFont(QStringLiteral("MS Sans Serif"));
    m_font.setPointSizeF(8.25);
    m_image = newImage(size());
    paintBackground(m_image);
}

double PictureSurface::toPixelsX(double v) const
{
    return m_scaleMode == ScaleMode::Twips ? v / Screen::twipsPerPixelX() : v;
}
double PictureSurface::toPixelsY(double v) const
{
    return m_scaleMode == ScaleMode::Twips ? v / Screen::twipsPerPixelY() : v;
}
double PictureSurface::fromPixelsX(double px) const
{
    return m_scaleMode == ScaleMode::Twips ? px * Screen::twipsPerPixelX() : px;
}
double PictureSurface::fromPixelsY(double px) const
{
    return m_scaleMode == ScaleMode::Twips ? px * Screen::twipsPerPixelY() : px;
}

void PictureSurface::moveTwips(double left, double top)
{
    move(Screen::twipsToPixels(left, 0), Screen::twipsToPixels(top, 1));
}

void PictureSurface::resizeTwips(double width, double height)
{
    resize(std::max(0, Screen::twipsToPixels(width, 0)),
           std::max(0, Screen::twipsToPixels(height, 1)));
    resizeImage(size());
}

double PictureSurface::leftTwips() const { return Screen::pixelsToTwips(x(), 0); }
double PictureSurface::topTwips() const { return Screen::pixelsToTwips(y(), 1); }
double PictureSurface::widthTwips() const { return Screen::pixelsToTwips(width(), 0); }
double PictureSurface::heightTwips() const { return Screen::pixelsToTwips(height(), 1); }
double PictureSurface::scaleWidth() const { return fromPixelsX(width()); }
double PictureSurface::scaleHeight() const { return fromPixelsY(height()); }

void PictureSurface::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (m_autoSize && !picture.isNull()) {
        resize(picture.size());
    }
    resizeImage(size());
    paintBackground(m_image);
    m_volatile.reset();
    update();
}

void PictureSurface::clearPicture()
{
    m_picture = QImage();
    paintBackground(m_image);
    m_volatile.reset();
    update();
}

QImage& PictureSurface::dc() { return drawTarget(); }

QImage& PictureSurface::drawTarget()
{
    resizeImage(size()); // a hidden widget gets its resize event late
    if (m_autoRedraw) {
        m_volatile.reset();
        return m_image;
    }
    if (!m_volatile)
        m_volatile = m_image;
    return *m_volatile;
}

void PictureSurface::paintBackground(QImage& target) const
{
    target.fill(toQColor(m_backColor));
    if (!m_picture.isNull()) {
        QPainter painter(&target);
        painter.drawImage(0, 0, m_picture);
    }
}

void PictureSurface::resizeImage(QSize size)
{
    size = size.expandedTo(QSize(1, 1));
    if (m_image.size() == size)
        return;
    QImage grown = newImage(size);
    paintBackground(grown);
    {
        QPainter painter(&grown);
        painter.drawImage(0, 0, m_image);
    }
    m_image = std::move(grown);
    m_volatile.reset();
}

void PictureSurface::cls()
{
    resizeImage(size());
    paintBackground(m_image);
    m_volatile.reset();
    currentX = 0;
    currentY = 0;
    update();
}

void PictureSurface::paintPicture(const QImage& picture, double x, double y, double width,
                                  double height)
{
    QImage& target = drawTarget();
    QPainter painter(&target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF rect(toPixelsX(x), toPixelsY(y), toPixelsX(width), toPixelsY(height));
    if (rect.size() == QSizeF(picture.size()) && rect.topLeft() == rect.topLeft().toPoint())
        painter.drawImage(rect.topLeft().toPoint(), picture);
    else if (picture.width() >= 2 * rect.width() || picture.height() >= 2 * rect.height())
        // Large reductions look better through the toolkit's smooth scaler.
        painter.drawImage(rect.topLeft(),
                          picture.scaled(QSize(int(std::lround(rect.width())),
                                               int(std::lround(rect.height()))),
                                         Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        painter.drawImage(rect, picture);
    update();
}

void PictureSurface::print(const QString& text)
{
    QImage& target = drawTarget();
    {
        QPainter painter(&target);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(m_font);
        const QFontMetricsF metrics(m_font, &target);
        const QPointF origin(toPixelsX(currentX), toPixelsY(currentY));
        if (!m_fontTransparent)
            painter.fillRect(QRectF(origin, QSizeF(metrics.horizontalAdvance(text),
                                                   metrics.height())),
                             toQColor(m_backColor));
        painter.setPen(toQColor(m_foreColor));
        painter.drawText(origin + QPointF(0, metrics.ascent()), text);
        currentY += fromPixelsY(metrics.height());
    }
    currentX = 0;
    update();
}

double PictureSurface::textWidth(const QString& text) const
{
    const QFontMetricsF metrics(m_font, &m_image);
    return fromPixelsX(metrics.horizontalAdvance(text));
}

double PictureSurface::textHeight(const QString&) const
{
    const QFontMetricsF metrics(m_font, &m_image);
    return fromPixelsY(metrics.height());
}

uint32_t PictureSurface::point(double x, double y) const
{
    const QImage& shown = shownImage();
    const int px = int(std::floor(toPixelsX(x)));
    const int py = int(std::floor(toPixelsY(y)));
    if (!shown.valid(px, py))
        return 0xFFFFFFFFu; // outside the surface
    return fromQColor(shown.pixelColor(px, py));
}

void PictureSurface::pset(double x, double y, uint32_t color)
{
    QImage& target = drawTarget();
    const int px = int(std::floor(toPixelsX(x)));
    const int py = int(std::floor(toPixelsY(y)));
    if (target.valid(px, py))
        target.setPixelColor(px, py, toQColor(color));
    update();
}

void PictureSurface::refresh()
{
    m_volatile.reset();
    update();
}

QColor PictureSurface::toQColor(uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

uint32_t PictureSurface::fromQColor(const QColor& color)
{
    return uint32_t(color.red()) | (uint32_t(color.green()) << 8) | (uint32_t(color.blue()) << 16);
}

void PictureSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, shownImage());
}

void PictureSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resizeImage(size());
}

void PictureSurface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit mouseMoved(fromPixelsX(p.x()), fromPixelsY(p.y()));
    QWidget::mouseMoveEvent(event);
}

void PictureSurface::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void PictureSurface::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
