#include "chart/frmSave.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

#include "shell/twips.h"
#include "tests/chart/report_fixture.h"

namespace tavrin {
namespace {

using testing::ReportTest;

// The link lines above the reading and the brand frame below the buttons.
const QRect kLinkPlaces[] = {TwipRect(1147, 0, 4230, 195), TwipRect(1267, 180, 3990, 195),
                             TwipRect(30, 4800, 6465, 855)};

TEST_F(ReportTest, ControlsFitWithoutOverlapAndLeaveTheLinkPlacesFree) {
  frmSave& report = FormInstance<frmSave>::Get();
  report.show();
  EXPECT_EQ(report.windowTitle(), "Tavrin v1.55");
  EXPECT_EQ(report.size(), TwipSize(6525, 5655));
  EXPECT_EQ(report.minimumSize(), report.maximumSize());

  std::vector<QWidget*> controls;
  for (const char* name : {"RTB", "cmdSavePdf", "cmdSave", "cmdPrint"}) {
    auto* control = report.findChild<QWidget*>(QLatin1String(name));
    ASSERT_NE(control, nullptr) << name;
    controls.push_back(control);
  }
  const std::map<QString, QString> captions = {
      {"cmdSavePdf", "Save as P&DF"}, {"cmdSave", "&Save"}, {"cmdPrint", "&Print"}};
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const QRect place = controls[i]->geometry();
    const std::string name = controls[i]->objectName().toStdString();
    EXPECT_TRUE(report.rect().contains(place)) << name;
    for (const QRect& link : kLinkPlaces) EXPECT_FALSE(place.intersects(link)) << name;
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      EXPECT_FALSE(place.intersects(controls[j]->geometry()))
          << name << " overlaps " << controls[j]->objectName().toStdString();
    }
    if (auto* button = qobject_cast<QPushButton*>(controls[i])) {
      EXPECT_EQ(button->text(), captions.at(button->objectName()));
      const int textWidth = button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&'));
      EXPECT_LE(textWidth + 12, button->width()) << name << ": caption cut off";
    }
  }
  // Two buttons sharing an access key would each only take the focus.
  std::map<int, QString> accessKeys;
  for (const QPushButton* button : report.findChildren<QPushButton*>()) {
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    if (key.isEmpty()) continue;
    const auto [earlier, isNew] = accessKeys.emplace(key[0].toCombined(), button->objectName());
    EXPECT_TRUE(isNew) << button->objectName().toStdString() << " and " << earlier->second.toStdString()
                       << " share " << key.toString().toStdString();
  }
}

TEST_F(ReportTest, TextCopiedFromTheReadingLeavesTheClipboardWhenThePointerMoves) {
  QString copied, afterMove = QStringLiteral("unchanged");
  WithReport(Cast(testing::OneHiddenStemBirth()), [&](frmSave& report) {
    report.RTB->selectAll();
    QTest::keyClick(report.RTB, Qt::Key_C, Qt::ControlModifier);
    copied = QGuiApplication::clipboard()->text();
    QWidget& viewport = *report.RTB->viewport();
    const QPoint at = viewport.rect().center();
    QMouseEvent move(QEvent::MouseMove, at, viewport.mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&viewport, &move);
    afterMove = QGuiApplication::clipboard()->text();
  });
  EXPECT_TRUE(copied.startsWith(QStringLiteral("The Year Pillar"))) << copied.toStdString();
  EXPECT_TRUE(afterMove.isEmpty());
}

}  // namespace
}  // namespace tavrin
