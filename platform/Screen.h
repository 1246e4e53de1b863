#pragma once

#include <cstdint>

// Screen metrics in the units windows are laid out in. Real values come from
// the primary display; tests pin them so geometry is reproducible.
class Screen {
public:
    static double twipsPerPixelX();
    static double twipsPerPixelY();
    static double dpiX();
    static double dpiY();
    static double widthTwips();
    static double heightTwips();
    static int depth(); // bits per pixel of the display

    static void pin(double dpiX, double dpiY, int widthPixels, int heightPixels, int depth);
    static void unpin();

    // Twips to whole pixels: the one rounding rule of the program (halves go
    // to the even neighbour). direction 0 = horizontal, anything else vertical.
    static int32_t twipsToPixels(double twips, int direction);
    static double pixelsToTwips(double pixels, int direction);
};

// Round to the nearest integer, halves to the even neighbour.
int64_t roundHalfEven(double value);
