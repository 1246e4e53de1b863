#pragma once

#include <QString>

class PictureSurface;
struct StdPicture;

// Result of fitting a picture into a box: the fitted size, and whether the
// width had to be reduced (narrowed) and the height, as possibly reduced
// already, had to be reduced (shortened).
struct FitResult {
    double width = 0;
    double height = 0;
    bool narrowed = false;
    bool shortened = false;
};

// Reduce only, keeping the aspect ratio: w x h into innerWidth x innerHeight.
FitResult fitSize(double w, double h, double innerWidth, double innerHeight);

// Clears the surface, fits the picture into its inner size, resizes the
// surface to the fitted size, draws the picture stretched over it and makes
// that drawing its picture. With centreOnScreen the surface is moved so it is
// centred on the screen's width (its top stays).
FitResult FitPictureToPreview(PictureSurface& surface, const StdPicture& picture,
                              bool centreOnScreen = true);
