#pragma once

// Window and control geometry is given in twips; the screen has 15 twips to a pixel.
inline constexpr int TwipsPerPixel = 15;

// Whole pixels of a length in twips, cut off as the window layouts always did.
constexpr int TwipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}
