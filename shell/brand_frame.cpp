#include "shell/brand_frame.h"

#include <QGroupBox>

#include "shell/link_captions.h"
#include "shell/link_label.h"
#include "shell/page_address.h"

namespace tavrin {

LinkLabel* PlaceLink(QWidget& parent, const char* objectName, const std::string& caption, const char* pageKey,
                     const QRect& place) {
  auto* link = new LinkLabel(QString::fromLatin1(objectName), QString::fromStdString(caption), pageKey, &parent);
  link->setGeometry(place);
  return link;
}

BrandFrame MakeBrandFrame(QWidget& parent, const QRect& place, const QRect& labelPlace) {
  auto* frame = new QGroupBox(&parent);
  frame->setObjectName(QStringLiteral("fraFullBrand"));
  frame->setGeometry(place);
  BrandFrame brand{frame, PlaceLink(*frame, "lblCobrand", kCobrandCaption, kCobrandPage, labelPlace),
                   PlaceLink(*frame, "lblFullBrand", kFullBrandCaption, kFullyBrandedPage, labelPlace)};
  // The label behind must not show through the one in front.
  brand.cobrand->setAutoFillBackground(true);
  brand.fullBrand->setAutoFillBackground(true);
  return brand;
}

}  // namespace tavrin
