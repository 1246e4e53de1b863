#pragma once

#include <QFont>
#include <QImage>
#include <QWidget>

#include <cstdint>
#include <optional>

// A picture surface: a widget with an assigned picture and a persistent image
// that holds the picture plus everything drawn while persistent drawing is on.
// What it shows is the persistent image, plus whatever was drawn while
// persistent drawing was off, until the next refresh or clear wipes that.
// Drawing coordinates are in the surface's scale unit (twips or pixels);
// position and size on the parent are kept in twips.
class PictureSurface : public QWidget {
    Q_OBJECT

public:
    enum class ScaleMode { Twips, Pixels };

    explicit PictureSurface(const QString& name, QWidget* parent = nullptr);

    // Units.
    void setScaleMode(ScaleMode mode) { m_scaleMode = mode; }
    ScaleMode scaleMode() const { return m_scaleMode; }
    double toPixelsX(double v) const;
    double toPixelsY(double v) const;
    double fromPixelsX(double px) const;
    double fromPixelsY(double px) const;

    // Geometry on the parent, in twips (whole pixels underneath).
    void moveTwips(double left, double top);
    void resizeTwips(double width, double height);
    double leftTwips() const;
    double topTwips() const;
    double widthTwips() const;
    double heightTwips() const;
    // Inner (drawing) size in the surface's own unit.
    double scaleWidth() const;
    double scaleHeight() const;

    // Assigned picture: drawn at the origin at its own size under all drawing.
    void setPicture(const QImage& picture);
    void clearPicture();
    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    // Grow to an assigned picture's size.
    void setAutoSize(bool on) { m_autoSize = on; }

    // Persistent drawing.
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    bool autoRedraw() const { return m_autoRedraw; }
    const QImage& image() const { return m_image; }
    // What the surface shows now (persistent image or the volatile overlay).
    const QImage& shownImage() const { return m_volatile ? *m_volatile : m_image; }
    // The image drawing goes to: persistent while persistent drawing is on.
    QImage& dc();

    // Colours, 0x00BBGGRR.
    // Like a new background on a real surface, this wipes what was drawn.
    void setBackColor(uint32_t color)
    {
        m_backColor = color;
        cls();
    }
    uint32_t backColor() const { return m_backColor; }
    void setForeColor(uint32_t color) { m_foreColor = color; }
    uint32_t foreColor() const { return m_foreColor; }
    void setFontTransparent(bool on) { m_fontTransparent = on; }

    // Font (name and point size as the program sets them).
    QFont& textFont() { return m_font; }
    const QFont& textFont() const { return m_font; }
    void setFontName(const QString& name) { m_font.setFamily(name); }
    void setFontSize(double points) { m_font.setPointSizeF(points); }
    void setFontBold(bool on) { m_font.setBold(on); }
    void setFontItalic(bool on) { m_font.setItalic(on); }

    // Drawing, coordinates in the scale unit.
    double currentX = 0;
    double currentY = 0;
    void cls();
    void paintPicture(const QImage& picture, double x, double y, double width, double height);
    void print(const QString& text);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;
    uint32_t point(double x, double y) const;
    void pset(double x, double y, uint32_t color);
    // Repaint from the persistent image, wiping what was drawn with it off.
    void refresh();

    static QColor toQColor(uint32_t bgr);
    static uint32_t fromQColor(const QColor& color);

signals:
    void mouseMoved(double x, double y); // in the scale unit
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void resizeImage(QSize size);
    void paintBackground(QImage& target) const;
    QImage& drawTarget();

    ScaleMode m_scaleMode = ScaleMode::Twips;
    QImage m_picture;
    QImage m_image;
    std::optional<QImage> m_volatile;
    bool m_autoRedraw = false;
    bool m_autoSize = false;
    bool m_fontTransparent = true;
    bool m_pressed = false;
    uint32_t m_backColor = 0xFFFFFF;
    uint32_t m_foreColor = 0x000000;
    QFont m_font;
};
