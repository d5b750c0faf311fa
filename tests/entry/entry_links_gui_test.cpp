// The entry form's start-up draw of its front frame label, its File menu and
// its menu bar above the client area.
#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenuBar>
#include <QPointer>
#include <QWindow>

#include "shell/link_label.h"
#include "tests/entry/entry_form_fixture.h"

namespace entry_test {
namespace {

using tavrin::FrontFrameLabel;

class EntryLinks : public EntryFormTest {};

TEST_F(EntryLinks, StartUpShowsTheFormWithTheDrawnFrameLabelInFront) {
  const std::pair<FrontFrameLabel, const char*> draws[] = {{FrontFrameLabel::FullBrand, "lblFullBrand"},
                                                           {FrontFrameLabel::Cobrand, "lblCobrand"}};
  for (const auto& [drawn, front] : draws) {
    Discard();
    ShowEntryForm(drawn);
    frmMain* form = FormInstance<frmMain>::Existing();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    const QPoint centre = form->lblCobrand->geometry().center();
    EXPECT_EQ(form->fraFullBrand->childAt(centre)->objectName(), front);
  }
}

TEST_F(EntryLinks, MenuBarSitsAboveTheUnchangedClientArea) {
  QWidget* client = form().centralWidget();
  EXPECT_TRUE(form().menuBar()->isVisible());
  EXPECT_EQ(client->y(), form().menuBar()->height());
  EXPECT_EQ(form().height(), form().menuBar()->height() + client->height());
}

// A user close ends the program: the event loop returns 0 and no chart window
// comes. Run in a child process, since the program ends once.
TEST_F(EntryLinks, ExitAndTheCloseBoxEndTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::pair<const char*, void (*)(frmMain&)> closes[] = {
      {"File, Exit", [](frmMain& f) { f.mnuExit->trigger(); }},
      {"close box", [](frmMain& f) { f.windowHandle()->close(); }},
  };
  for (const auto& [name, close] : closes) {
    EXPECT_EXIT(
        {
          const QPointer<frmMain> entry = &form();
          QApplication::setQuitOnLastWindowClosed(false);
          QTimer::singleShot(0, entry, [entry, close = close] { close(*entry); });
          QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
          const int status = QCoreApplication::exec();
          const bool gone = (entry.isNull() || !entry->isVisible()) &&
                            FormInstance<frmFengShuiFourPillar>::Existing() == nullptr;
          std::exit(status == 0 && gone ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << name;
  }
}

}  // namespace
}  // namespace entry_test
