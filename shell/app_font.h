#pragma once

#include <QFont>

namespace tavrin {

// Verdana where the machine has it, otherwise DejaVu Sans, its closest
// stand-in (a little wider, so captions are sized for it).
QFont AppFont(double pointSize = 8.25, bool bold = false);

// The family that draws Chinese characters: WenQuanYi Micro Hei, from the
// package fonts-wqy-microhei that the program depends on.
inline constexpr char kHanziFamily[] = "WenQuanYi Micro Hei";

// The program's font, with Chinese characters (which Verdana and DejaVu Sans
// lack) drawn in kHanziFamily rather than in whatever the system falls back to.
QFont HanziFont(double pointSize = 8.25, bool bold = false);

}  // namespace tavrin
