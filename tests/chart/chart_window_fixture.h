#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>

#include "chart/cast_chart.h"
#include "chart/frmFengShuiFourPillar.h"
#include "entry/frmMain.h"
#include "shell/form_instance.h"
#include "tests/engine/birth_fixture.h"

namespace tavrin::testing {

// 10 February 1984, 10:30, zone +8, 116 degrees east, a man: the sample chart.
inline BirthDetails SampleBirth() { return Birth(1984, 2, 10, 10, 30, "8", 116, 1); }

inline void DeleteClosedWindows() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// Each case starts and ends with neither main window in existence.
class ChartWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { DeleteMainWindows(); }
  void TearDown() override { DeleteMainWindows(); }

  static void DeleteMainWindows() {
    DeleteClosedWindows();
    delete FormInstance<frmFengShuiFourPillar>::Existing();
    delete FormInstance<frmMain>::Existing();
  }

  // Casts the chart of `birth` the way the entry form does and returns the window.
  static frmFengShuiFourPillar& Cast(const BirthDetails& birth, CastError expected = CastError::none) {
    modFengShuiFourPillar::BirthDetails = birth;
    EXPECT_EQ(modFengShuiFourPillar::CastChart(), expected);
    frmFengShuiFourPillar* window = FormInstance<frmFengShuiFourPillar>::Existing();
    EXPECT_NE(window, nullptr);
    return *window;
  }

  // The page the user sees: the one shown on top of the others.
  static int FrontPage(const frmFengShuiFourPillar& window) {
    int front = -1;
    const QObjectList& stack = window.fraSubject[0]->parentWidget()->children();
    for (int page = 0; page < 5; ++page) {
      QFrame* frame = window.fraSubject[page];
      if (!frame->isVisibleTo(&window)) continue;
      if (front < 0 || stack.indexOf(frame) > stack.indexOf(window.fraSubject[front])) front = page;
    }
    return front;
  }
};

}  // namespace tavrin::testing
