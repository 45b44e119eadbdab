#pragma once

#include <QPoint>
#include <QRect>

// Window lengths are given in twips, 15 to a pixel at 96 dots per inch.
namespace ui {

constexpr int Twips(int twips)
{
    return (2 * twips + 15) / 30; // to the nearest pixel
}

constexpr QPoint TwipsPoint(int x, int y)
{
    return {Twips(x), Twips(y)};
}

constexpr QRect TwipsRect(int left, int top, int width, int height)
{
    return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

} // namespace ui
