#include "shell/startup.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QWidget>

namespace tavrin {
namespace {

TEST(StartUp, DrawnFrameLabelComesToTheFront) {
  for (const FrontFrameLabel front : {FrontFrameLabel::Cobrand, FrontFrameLabel::FullBrand}) {
    for (const bool cobrandFirst : {true, false}) {
      QWidget frame;
      auto* cobrand = new QLabel(QStringLiteral("lblCobrand"));
      auto* fullBrand = new QLabel(QStringLiteral("lblFullBrand"));
      // Either label may be in front beforehand.
      cobrand->setParent(cobrandFirst ? &frame : nullptr);
      fullBrand->setParent(&frame);
      if (!cobrandFirst) cobrand->setParent(&frame);
      RaiseFrontFrameLabel(front, *cobrand, *fullBrand);
      EXPECT_EQ(frame.children().last(), front == FrontFrameLabel::Cobrand ? cobrand : fullBrand);
    }
  }
}

}  // namespace
}  // namespace tavrin
