#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include <QFile>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include "chart/frmSave.h"
#include "tests/chart/chart_window_fixture.h"
#include "tests/modal_windows.h"

namespace tavrin::testing {

// 7 March 1987, 00:30, zone +8 at its meridian: Rabbit year, month and day
// and a Rat hour, each branch with a single hidden stem.
inline BirthDetails OneHiddenStemBirth() { return Birth(1987, 3, 7, 0, 30, "8", 120, -1); }
// 4 February 1985, 08:30, zone +8: Ox, Tiger, Dog and Dragon, three hidden stems each.
inline BirthDetails ThreeHiddenStemBirth() { return Birth(1985, 2, 4, 8, 30, "8", 120); }

// Each case starts and ends with no main window and no report window, and
// with no longitude entered.
class ReportTest : public ChartWindowTest {
 protected:
  void SetUp() override {
    ChartWindowTest::SetUp();
    DeleteReport();
    modFengShuiFourPillar::Birth.typedLongitude.reset();
  }
  void TearDown() override {
    DeleteReport();
    modFengShuiFourPillar::Birth.typedLongitude.reset();
    ChartWindowTest::TearDown();
  }
  static void DeleteReport() {
    DeleteClosedWindows();
    delete FormInstance<frmSave>::Existing();
  }

  // Presses Save on the chart window and runs `action` on the report window
  // it shows; then closes the report window.
  static void WithReport(frmFengShuiFourPillar& chart, const std::function<void(frmSave&)>& action) {
    chart.show();
    WhenModal<frmSave> onReport([&](frmSave& report) {
      action(report);
      report.close();
    });
    chart.cmdSave->click();
    EXPECT_EQ(onReport.seen(), 1) << "the report window was not shown modally";
  }
};

// What the save dialog showed when it opened.
struct SaveDialogLook {
  QString title;
  QStringList nameFilters;
  QStringList shownTypes;  // the entries of the file type list, as the user sees them
  QString defaultSuffix;
  QString typedName;
  bool native = true;
  bool confirmsOverwrite = false;
};

// Answers the next save dialog: types `name` into its file name box in
// `folder` and presses Save; an empty name cancels the dialog instead.
class SaveDialogAnswer {
 public:
  SaveDialogAnswer(const QString& folder, const QString& name)
      : when_([this, folder, name](QFileDialog& dialog) {
          auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
          QStringList shownTypes;
          if (auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            for (int i = 0; i < types->count(); ++i) shownTypes << types->itemText(i);
          }
          look = {dialog.windowTitle(),
                  dialog.nameFilters(),
                  shownTypes,
                  dialog.defaultSuffix(),
                  nameBox ? nameBox->text() : QString(),
                  !dialog.testOption(QFileDialog::DontUseNativeDialog),
                  !dialog.testOption(QFileDialog::DontConfirmOverwrite)};
          if (name.isEmpty() || nameBox == nullptr) {
            dialog.reject();
            return;
          }
          dialog.setDirectory(folder);
          nameBox->setText(name);
          static_cast<QDialog&>(dialog).accept();   // as the Save button does
          if (dialog.isVisible()) dialog.reject();  // the user declined to replace a file
        }) {}
  int seen() const { return when_.seen(); }
  SaveDialogLook look;

 private:
  WhenModal<QFileDialog> when_;
};

inline std::optional<std::string> FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll().toStdString();
}

}  // namespace tavrin::testing
