#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>

#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "text/text_codec.h"
#include "tests/entry/entry_form_fixture.h"

namespace entry_test {

// What the entry form shows, one text per control in form order.
struct FormState {
  std::string name, month, day, year, hour, minute, second, gender, zoneHour, zoneMinute, longitude;
  bool operator==(const FormState&) const = default;
};

inline void PrintTo(const FormState& s, std::ostream* out) {
  *out << "{" << s.name << "|" << s.month << " " << s.day << " " << s.year << "|" << s.hour << ":" << s.minute
       << ":" << s.second << "|" << s.gender << "|" << s.zoneHour << " " << s.zoneMinute << "|" << s.longitude << "}";
}

// The form every opening case starts from: something on every control, so
// that a control the reading leaves alone shows it.
inline constexpr Entry kBefore{.name = "Before", .month = "March", .day = 3, .year = 1950,
                               .hour = 5, .minute = 6, .second = 7, .longitude = "10 E"};
inline const FormState kBeforeState{"Before", "March", "3", "1950", "5", "6", "7", "Male", "5", "0", "10 E"};

// One line of a reading file as the program writes it, without its break.
inline std::string Encoded(const std::string& utf8) { return tavrin::EncodeText(tavrin::ToAnsi(utf8)); }

// A reading file of the given lines, each encoded and ended by CR LF.
inline std::string Lines(std::initializer_list<std::string> texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += Encoded(text) + "\r\n";
  return bytes;
}

class OpenReadingTest : public EntryFormTest {
 protected:
  void SetUp() override {
    EntryFormTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    modFengShuiFourPillar::BirthDetails = Sentinel();
  }

  QString PathOf(const char* name) const { return folder_.filePath(QString::fromUtf8(name)); }

  QString Write(const char* name, const std::string& bytes) const {
    QFile file(PathOf(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file.fileName();
  }

  void Prefill() {
    Fill(kBefore);
    form().lblZoneHour->setText("5");
    form().lblZoneMinute->setText("0");
  }

  FormState State() {
    frmMain& f = form();
    return {f.txtName->text().toStdString(),      f.cboMonth->currentText().toStdString(),
            f.cboDate->currentText().toStdString(), f.cboYear->currentText().toStdString(),
            f.cboHH->currentText().toStdString(),   f.cboMM->currentText().toStdString(),
            f.cboSS->currentText().toStdString(),
            f.optMale->isChecked() ? "Male" : (f.optFemale->isChecked() ? "Female" : "none"),
            f.lblZoneHour->text().toStdString(),    f.lblZoneMinute->text().toStdString(),
            f.txtLongitude->text().toStdString()};
  }

  // Presses "Open Previously Saved Reading", types `typed` into the open
  // dialog's file name box and presses Enter. `onChosen` runs once the dialog
  // has taken the file, before it closes. Answers every message box; returns
  // what they showed.
  std::vector<ShownMessage> Open(const QString& typed, const std::function<void(const QString&)>& onChosen = {}) {
    MessageAnswerer catcher;
    WhenModal<QFileDialog> onDialog([&](QFileDialog& dialog) {
      if (onChosen) QObject::connect(&dialog, &QFileDialog::fileSelected, onChosen);
      auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (!fileName) {
        ADD_FAILURE() << "the open dialog has no file name box";
        dialog.reject();
        return;
      }
      fileName->setText(typed);
      QTest::keyClick(fileName, Qt::Key_Return);
      if (dialog.isVisible()) {
        ADD_FAILURE() << "the open dialog did not take " << typed.toStdString();
        dialog.reject();
      }
    });
    QTest::mouseClick(form().cmdOpen, Qt::LeftButton);
    EXPECT_EQ(onDialog.seen(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return catcher.shown;
  }

  // After an open that analysed: the chart window has replaced the form.
  static void ExpectChartShown() {
    EXPECT_EQ(FormInstance<frmMain>::Existing(), nullptr);
    frmFengShuiFourPillar* chart = FormInstance<frmFengShuiFourPillar>::Existing();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(chart->isVisible());
  }

  // After an open that stopped before the analysis or at its checks.
  void ExpectFormKept() {
    ASSERT_EQ(FormInstance<frmMain>::Existing(), &form());
    EXPECT_EQ(FormInstance<frmFengShuiFourPillar>::Existing(), nullptr);
  }

 private:
  QTemporaryDir folder_;
};

}  // namespace entry_test
