#include "FitPictureToPreview.h"

#include "PictureSurface.h"
#include "Screen.h"
#include "StdPicture.h"

#include <cmath>

FitResult fitSize(double w, double h, double innerWidth, double innerHeight)
{
    FitResult fit;
    fit.width = w;
    if (w > innerWidth) {
        fit.narrowed = true;
        fit.width = innerWidth;
        h = h * innerWidth / w;
    }
    fit.height = h;
    if (h > innerHeight) {
        fit.shortened = true;
        fit.width = fit.width * innerHeight / h;
        fit.height = innerHeight;
    }
    return fit;
}

FitResult FitPictureToPreview(PictureSurface& surface, const StdPicture& picture,
                              bool centreOnScreen)
{
    surface.clearPicture(); // also wipes what was drawn on it
    const bool twips = surface.scaleMode() == PictureSurface::ScaleMode::Twips;
    const double w = twips ? picture.widthTwips() : picture.natural.width();
    const double h = twips ? picture.heightTwips() : picture.natural.height();
    const FitResult fit = fitSize(w, h, surface.scaleWidth(), surface.scaleHeight());

    const double widthTwips = twips ? fit.width : Screen::pixelsToTwips(fit.width, 0);
    const double heightTwips = twips ? fit.height : Screen::pixelsToTwips(fit.height, 1);
    surface.resizeTwips(widthTwips, heightTwips);
    if (centreOnScreen)
        surface.moveTwips(std::round((Screen::widthTwips() - widthTwips) / 2), surface.topTwips());
    surface.paintPicture(picture.image, 0, 0, fit.width, fit.height);
    surface.setPicture(surface.image());
    return fit;
}
