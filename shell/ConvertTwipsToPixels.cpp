#include "ConvertTwipsToPixels.h"

#include "Screen.h"

int32_t ConvertTwipsToPixels(int32_t lngTwips, uint8_t bytDirection)
{
    return Screen::twipsToPixels(double(lngTwips), bytDirection == 0 ? 0 : 1);
}
