#pragma once

#include <QRect>
#include <QSize>

// Window layouts are given in twips (1/1440 inch); at 96 dpi a pixel is 15
// twips. Qt scales the pixels on high-DPI screens.
namespace tavrin {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline QRect TwipRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width), TwipsToPixels(height));
}

inline QSize TwipSize(int width, int height) { return QSize(TwipsToPixels(width), TwipsToPixels(height)); }

}  // namespace tavrin
