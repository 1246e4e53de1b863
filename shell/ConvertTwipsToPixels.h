#pragma once

#include <cstdint>

// Length in twips to whole pixels at the screen's twips per pixel,
// horizontal (direction 0) or vertical (any other value); halves go to the
// even neighbour. Each picture tool window offers it as a method too.
int32_t ConvertTwipsToPixels(int32_t lngTwips, uint8_t bytDirection);
