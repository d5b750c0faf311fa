#include <gtest/gtest.h>

#include <QApplication>

// Window tests drive real widgets; they run on Qt's offscreen platform unless
// the caller chose another one.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                   : qgetenv("QT_QPA_PLATFORM"));
  // Window tests never reach the machine's printers: a test that prints
  // starts a print server of its own and points CUPS_SERVER at it.
  qputenv("CUPS_SERVER", "/nonexistent/tavrin-tests-print-nowhere.sock");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
