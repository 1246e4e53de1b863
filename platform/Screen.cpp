#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>
#include <optional>

namespace {
struct Metrics {
    double dpiX = 96, dpiY = 96;
    int widthPixels = 1920, heightPixels = 1080;
    int depth = 32;
};

std::optional<Metrics> g_pinned;

Metrics current()
{
    if (g_pinned)
        return *g_pinned;
    Metrics m;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        m.dpiX = screen->logicalDotsPerInchX();
        m.dpiY = screen->logicalDotsPerInchY();
        m.widthPixels = screen->geometry().width();
        m.heightPixels = screen->geometry().height();
        m.depth = screen->depth();
    }
    if (m.dpiX <= 0)
        m.dpiX = 96;
    if (m.dpiY <= 0)
        m.dpiY = 96;
    return m;
}
} // namespace

int64_t roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double diff = value - lower;
    if (diff > 0.5)
        return int64_t(lower) + 1;
    if (diff < 0.5)
        return int64_t(lower);
    return (int64_t(lower) % 2 == 0) ? int64_t(lower) : int64_t(lower) + 1;
}

double Screen::dpiX() { return current().dpiX; }
double Screen::dpiY() { return current().dpiY; }
double Screen::twipsPerPixelX() { return 1440.0 / dpiX(); }
double Screen::twipsPerPixelY() { return 1440.0 / dpiY(); }
double Screen::widthTwips() { return current().widthPixels * twipsPerPixelX(); }
double Screen::heightTwips() { return current().heightPixels * twipsPerPixelY(); }
int Screen::depth() { return current().depth; }

void Screen::pin(double dpiX, double dpiY, int widthPixels, int heightPixels, int depth)
{
    g_pinned = Metrics{dpiX, dpiY, widthPixels, heightPixels, depth};
}

void Screen::unpin() { g_pinned.reset(); }

int32_t Screen::twipsToPixels(double twips, int direction)
{
    const double perPixel = direction == 0 ? twipsPerPixelX() : twipsPerPixelY();
    return int32_t(roundHalfEven(twips / perPixel));
}

double Screen::pixelsToTwips(double pixels, int direction)
{
    return pixels * (direction == 0 ? twipsPerPixelX() : twipsPerPixelY());
}
