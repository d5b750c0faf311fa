#include "shell/file_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QWidget>

#include "tests/modal_windows.h"
#include "tests/shell/shell_test_support.h"

namespace tavrin {
namespace {

using testing::WhenModal;

// Opens the dialog for `request`, notes the folder it shows and chooses
// `path` in it.
std::string FolderShownWhileChoosing(const FileDialogRequest& request, const QString& path) {
  QWidget parent;
  QString shown;
  WhenModal<QFileDialog> choose([&](QFileDialog& dialog) {
    shown = dialog.directory().absolutePath();
    dialog.selectFile(path);
    static_cast<QDialog&>(dialog).accept();  // as the Open or Save button does
  });
  EXPECT_EQ(AskFileName(parent, request), path);
  EXPECT_EQ(choose.seen(), 1);
  return shown.toStdString();
}

TEST(FileDialog, OpensAtHomeThenWhereTheLastFileWasChosenAndKeepsNothingOnDisk) {
  QTemporaryDir home, config, readings;
  test::ScopedEnv homeEnv("HOME", home.path().toUtf8());
  test::ScopedEnv configEnv("XDG_CONFIG_HOME", config.path().toUtf8());
  const QString existing = readings.filePath(QStringLiteral("old.baz"));
  QFile file(existing);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const FileDialogRequest open{FileDialogMode::Open, QStringLiteral("Select the source file"),
                               QStringLiteral("Tavrin (*.baz)"), QStringLiteral("baz")};
  const FileDialogRequest save{FileDialogMode::Save, QStringLiteral("Tavrin"), QStringLiteral("PDF Document (*.pdf)"),
                               QStringLiteral("pdf")};

  EXPECT_EQ(FolderShownWhileChoosing(open, existing), QDir(home.path()).absolutePath().toStdString());
  EXPECT_EQ(FolderShownWhileChoosing(save, readings.filePath(QStringLiteral("new.pdf"))),
            QDir(readings.path()).absolutePath().toStdString());
  // A folder that has gone since sends the dialog home again.
  const QString gone = readings.filePath(QStringLiteral("gone"));
  ASSERT_TRUE(QDir().mkdir(gone));
  FolderShownWhileChoosing(save, gone + QStringLiteral("/new.pdf"));
  ASSERT_TRUE(QDir().rmdir(gone));
  EXPECT_EQ(FolderShownWhileChoosing(open, existing), QDir(home.path()).absolutePath().toStdString());

  EXPECT_EQ(test::Snapshot(home.path()).join(QLatin1Char('\n')).toStdString(), "");
  EXPECT_EQ(test::Snapshot(config.path()).join(QLatin1Char('\n')).toStdString(), "");
}

}  // namespace
}  // namespace tavrin
