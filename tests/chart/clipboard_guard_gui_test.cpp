#include "chart/clipboard_guard.h"

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>

#include "tests/chart/chart_window_fixture.h"

namespace tavrin {
namespace {

QClipboard& Clipboard() { return *QGuiApplication::clipboard(); }

void SendMouse(QWidget& box, QEvent::Type type) {
  const QPoint at = box.rect().center();
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
  QMouseEvent event(type, at, box.mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(&box, &event);
}

// Selects the whole text of the box and copies it with the keyboard.
template <typename Box>
void CopyAll(Box& box) {
  box.selectAll();
  QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
}

struct Trigger {
  const char* name;
  std::function<void(QPlainTextEdit&)> fire;
};

const Trigger kTriggers[] = {
    {"MouseMove", [](QPlainTextEdit& box) { SendMouse(*box.viewport(), QEvent::MouseMove); }},
    {"MouseDown", [](QPlainTextEdit& box) { SendMouse(*box.viewport(), QEvent::MouseButtonPress); }},
    {"MouseUp and Click", [](QPlainTextEdit& box) { SendMouse(*box.viewport(), QEvent::MouseButtonRelease); }},
    {"Change", [](QPlainTextEdit& box) { box.appendPlainText("more"); }},
};

TEST(ClipboardGuard, EveryBoxEventEmptiesACopyMadeFromTheBox) {
  for (const Trigger& trigger : kTriggers) {
    QPlainTextEdit box("Interpretation text");
    box.setReadOnly(true);
    ClipboardGuard guard(box);
    CopyAll(box);
    ASSERT_EQ(Clipboard().text(), "Interpretation text") << trigger.name;
    EXPECT_FALSE(Clipboard().mimeData()->hasHtml()) << "a plain box copies plain text";
    ASSERT_TRUE(ClipboardGuard::HoldsOwnData());
    trigger.fire(box);
    EXPECT_TRUE(Clipboard().text().isEmpty()) << trigger.name;
  }
}

TEST(ClipboardGuard, WhatAnotherProgramCopiedSurvivesEveryBoxEvent) {
  for (const Trigger& trigger : kTriggers) {
    QPlainTextEdit box("Interpretation text");
    ClipboardGuard guard(box);
    Clipboard().setText("copied elsewhere");  // not marked as ours, as from another program
    ASSERT_FALSE(ClipboardGuard::HoldsOwnData());
    trigger.fire(box);
    EXPECT_EQ(Clipboard().text(), "copied elsewhere") << trigger.name;
  }
}

TEST(ClipboardGuard, ARichTextBoxCopiesWithFormattingAndIsGuardedAlike) {
  QTextEdit box;
  box.setHtml("<b>Bold</b> reading");
  ClipboardGuard guard(box);
  CopyAll(box);
  EXPECT_EQ(Clipboard().text(), "Bold reading");
  EXPECT_TRUE(Clipboard().mimeData()->hasHtml());
  SendMouse(*box.viewport(), QEvent::MouseMove);
  EXPECT_TRUE(Clipboard().text().isEmpty());
}

// On X11 text selected with the mouse or by Select All also goes into the
// primary selection, which a middle click pastes into any program.
TEST(ClipboardGuard, SelectedTextNeverStaysInThePrimarySelection) {
  if (!Clipboard().supportsSelection()) {
    GTEST_SKIP() << "this platform has no primary selection; run under X11 (QT_QPA_PLATFORM=xcb, xvfb-run)";
  }
  const std::pair<const char*, std::function<void(QTextEdit&)>> selections[] = {
      {"mouse",
       [](QTextEdit& box) {
         QWidget& area = *box.viewport();
         QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(4, 8));
         QTest::mouseMove(&area, QPoint(area.width() - 4, 8));
         QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(area.width() - 4, 8));
       }},
      {"Select All", [](QTextEdit& box) { QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier); }},
  };
  for (const auto& [how, select] : selections) {
    SCOPED_TRACE(how);
    QTextEdit box;
    box.setPlainText("Reading text");
    ClipboardGuard guard(box);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    select(box);
    ASSERT_TRUE(box.textCursor().hasSelection());
    EXPECT_TRUE(QTest::qWaitFor([] { return Clipboard().text(QClipboard::Selection).isEmpty(); }, 1000))
        << Clipboard().text(QClipboard::Selection).toStdString();
  }
}

using ChartWindowClipboard = testing::ChartWindowTest;

TEST_F(ChartWindowClipboard, TextCopiedFromAnInterpretationBoxGoesWhenThePointerMovesOverIt) {
  auto& window = Cast(testing::SampleBirth());
  for (QPlainTextEdit* box : {window.txtYear, window.txtMonth, window.txtDay, window.txtHour}) {
    CopyAll(*box);
    ASSERT_FALSE(Clipboard().text().isEmpty()) << box->objectName().toStdString();
    SendMouse(*box->viewport(), QEvent::MouseMove);
    EXPECT_TRUE(Clipboard().text().isEmpty()) << box->objectName().toStdString();
  }
  Clipboard().setText("copied elsewhere");
  SendMouse(*window.txtHour->viewport(), QEvent::MouseMove);
  EXPECT_EQ(Clipboard().text(), "copied elsewhere");
}

}  // namespace
}  // namespace tavrin
