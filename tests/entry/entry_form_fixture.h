#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <tuple>

#include "chart/cast_chart.h"
#include "chart/frmFengShuiFourPillar.h"
#include "entry/frmMain.h"
#include "entry/place_box.h"
#include "shell/form_instance.h"
#include "tests/modal_windows.h"

namespace entry_test {

using tavrin::FormInstance;
using tavrin::testing::MessageAnswerer;
using tavrin::testing::ShownMessage;
using tavrin::testing::WhenModal;

// What the user enters on the form; empty texts are left untouched.
struct Entry {
  const char* name = "Ann Lee";
  const char* month = "January";
  int day = 1;
  int year = 1901;
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool female = false;
  const char* longitude = "";
};

inline auto Fields(const tavrin::BirthDetails& b) {
  return std::tie(b.Name, b.BirthYear, b.MonthName, b.BirthMonth, b.BirthDay, b.BirthHour, b.BirthMinute,
                  b.BirthSecond, b.ZoneOffset, b.Longitude, b.GenderText, b.GenderSign);
}

// A record no analysis of these tests writes, to see whether one was written.
inline tavrin::BirthDetails Sentinel() {
  tavrin::BirthDetails b;
  b.Name = "untouched";
  b.ZoneOffset = "99";
  b.Longitude = 999;
  return b;
}

// Every case starts from a freshly loaded entry form on the screen and no
// chart window. Forms are deleted, never closed: a user's close ends the
// program.
class EntryFormTest : public ::testing::Test {
 protected:
  void SetUp() override { FreshForm(); }
  void TearDown() override { Discard(); }

  static void Discard() {
    delete FormInstance<frmMain>::Existing();
    delete FormInstance<frmFengShuiFourPillar>::Existing();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  frmMain& FreshForm() {
    Discard();
    form_ = &FormInstance<frmMain>::Get();
    form_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form_));
    return *form_;
  }

  frmMain& form() { return *form_; }

  // Works on a form the program itself created (after Back, say).
  void AdoptForm(frmMain& created) { form_ = &created; }

  static void Choose(QComboBox* list, const QString& entry) {
    const int index = list->findText(entry);
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
  }

  void Fill(const Entry& entry) {
    frmMain& f = form();
    QTest::keyClicks(f.txtName, entry.name);
    Choose(f.cboMonth, entry.month);
    Choose(f.cboDate, QString::number(entry.day));
    Choose(f.cboYear, QString::number(entry.year));
    Choose(f.cboHH, QString::number(entry.hour));
    Choose(f.cboMM, QString::number(entry.minute));
    Choose(f.cboSS, QString::number(entry.second));
    QTest::mouseClick(entry.female ? f.optFemale : f.optMale, Qt::LeftButton);
    QTest::keyClicks(f.txtLongitude, entry.longitude);
  }

  // Presses "Analyze My Ba Zi", answering any message box; returns them.
  std::vector<ShownMessage> Analyze() {
    MessageAnswerer catcher;
    QTest::mouseClick(form().cmdCalculation, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return catcher.shown;
  }

  // Exactly one message box was shown: `text`, `icon`, OK only, titled "Tavrin".
  static void ExpectOneMessage(const std::vector<ShownMessage>& messages, const char* text, QMessageBox::Icon icon) {
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, text);
    EXPECT_EQ(messages[0].title, "Tavrin");
    EXPECT_EQ(messages[0].icon, icon);
    EXPECT_EQ(messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(messages[0].buttonCount, 1);
  }

  // Analyzes with the shared record set to Sentinel() and expects one check
  // message, OK only, titled "Tavrin", with nothing stored and the form open.
  void ExpectRefused(const char* text, QMessageBox::Icon icon) {
    modFengShuiFourPillar::BirthDetails = Sentinel();
    ExpectOneMessage(Analyze(), text, icon);
    EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(Sentinel()));
    EXPECT_EQ(FormInstance<frmMain>::Existing(), form_);
    EXPECT_EQ(FormInstance<frmFengShuiFourPillar>::Existing(), nullptr);
  }

 private:
  frmMain* form_ = nullptr;
};

}  // namespace entry_test
