#pragma once

#include <QRect>
#include <string>

class QGroupBox;
class QWidget;

namespace tavrin {

class LinkLabel;

// The advertising frame fraFullBrand of the entry form, the chart window and
// the report window. Its two labels, lblCobrand and lblFullBrand, share one
// spot and paint their own background, so only the one in front is seen; the
// window brings the one it wants to the front.
struct BrandFrame {
  QGroupBox* frame;
  LinkLabel* cobrand;
  LinkLabel* fullBrand;
};

// `place` is the frame's rectangle on `parent`, `labelPlace` each label's
// rectangle in the frame.
BrandFrame MakeBrandFrame(QWidget& parent, const QRect& place, const QRect& labelPlace);

// A link label at `place` on `parent`.
LinkLabel* PlaceLink(QWidget& parent, const char* objectName, const std::string& caption, const char* pageKey,
                     const QRect& place);

}  // namespace tavrin
