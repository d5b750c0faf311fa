#include "shell/frmAbout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>


namespace {

// Shows the About box modally and lets `act` close it; true when exec()
// returned (the box closed) after the box was seen modal.
bool ClosesBy(const std::function<void(frmAbout&)>& act) {
  frmAbout about;
  bool sawModal = false;
  QTimer::singleShot(0, [&] {
    sawModal = QApplication::activeModalWidget() == &about && about.isModal();
    act(about);
  });
  // A box that stays open would hold the test; close it late instead.
  QTimer::singleShot(800, &about, [&] { about.done(-1); });
  const int result = about.exec();
  return sawModal && result != -1 && !about.isVisible();
}

TEST(AboutBox, ClosesByOkEnterEscAndTheCloseBox) {
  struct Case {
    const char* how;
    std::function<void(frmAbout&)> act;
  };
  const Case cases[] = {
      {"OK", [](frmAbout& a) { QTest::mouseClick(a.findChild<QPushButton*>("cmdOK"), Qt::LeftButton); }},
      {"Enter", [](frmAbout& a) { QTest::keyClick(&a, Qt::Key_Return); }},
      {"Esc", [](frmAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); }},
      {"close box", [](frmAbout& a) { a.close(); }},
  };
  for (const Case& c : cases) EXPECT_TRUE(ClosesBy(c.act)) << c.how;
}

TEST(AboutBox, OtherKeysLeaveItOpen) {
  EXPECT_FALSE(ClosesBy([](frmAbout& a) { QTest::keyClick(&a, Qt::Key_A); }));
}

TEST(AboutBox, CaptionAndFixedSize) {
  frmAbout about;
  EXPECT_EQ(about.windowTitle(), QStringLiteral("Tavrin v1.55"));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
}

TEST(AboutBox, NothingIsCutOffOrOverlaps) {
  frmAbout about;
  about.show();
  const QRect inside = about.rect();
  QList<QWidget*> controls = about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_GE(controls.size(), 8);
  for (QWidget* control : controls) {
    const std::string name = control->objectName().toStdString();
    EXPECT_FALSE(name.empty());
    EXPECT_TRUE(inside.contains(control->geometry())) << name;
    if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
      // The whole wrapped text fits in the label's box.
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << name;
      const QRect needed = label->fontMetrics().boundingRect(label->rect(), Qt::TextWordWrap, label->text());
      EXPECT_LE(needed.width(), label->width()) << name;
      EXPECT_LE(needed.height(), label->height()) << name;
    }
    for (QWidget* other : controls) {
      if (other == control) continue;
      EXPECT_FALSE(control->geometry().intersects(other->geometry())) << name;
    }
  }
}

}  // namespace
