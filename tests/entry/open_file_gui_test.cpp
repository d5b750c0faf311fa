#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <utility>

#include "tests/entry/open_reading_fixture.h"

namespace entry_test {
namespace {

using Icon = QMessageBox::Icon;

const std::string kReading = Lines({"Ann Lee", "1984", "February", "10", "10", "30", "0", "8", "Male"});

class OpenFileTest : public OpenReadingTest {
 protected:
  // "Please Check The File." alone, with the form kBefore filled in and the
  // stored record as they were.
  void ExpectFileRefused(const std::vector<ShownMessage>& messages) {
    ExpectOneMessage(messages, "Please Check The File.", Icon::Critical);
    ASSERT_NO_FATAL_FAILURE(ExpectFormKept());
    EXPECT_EQ(State(), kBeforeState);
    EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(Sentinel()));
  }
};

TEST_F(OpenFileTest, TheDialogAsksForAnExistingReadingAndCancelChangesNothing) {
  Prefill();
  MessageAnswerer catcher;
  WhenModal<QFileDialog> onDialog([](QFileDialog& dialog) {
    EXPECT_EQ(dialog.objectName(), "CD");
    EXPECT_EQ(dialog.windowTitle(), "Select the source file");
    EXPECT_EQ(dialog.nameFilters(), QStringList{"Tavrin (*.baz)"});
    EXPECT_EQ(dialog.defaultSuffix(), "baz");
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    auto* fileName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    EXPECT_TRUE(fileName && fileName->text().isEmpty());
    dialog.reject();
  });
  QTest::mouseClick(form().cmdOpen, Qt::LeftButton);
  EXPECT_EQ(onDialog.seen(), 1);
  EXPECT_TRUE(catcher.shown.empty());
  ASSERT_NO_FATAL_FAILURE(ExpectFormKept());
  EXPECT_EQ(State(), kBeforeState);
  EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(Sentinel()));
}

struct NameCase {
  const char* file;
  const char* typed;  // what the user types in the dialog
  bool opened;
};

TEST_F(OpenFileTest, OnlyAPathEndingInLowerCaseBazIsOpened) {
  const NameCase cases[] = {
      {"reading.baz", "reading.baz", true},
      {"old.xbaz", "old.xbaz", true},
      {"reading.baz", "reading", true},  // the dialog adds the extension
      {"reading.BAZ", "reading.BAZ", false},
      {"reading.baz.txt", "reading.baz.txt", false},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.typed);
    FreshForm();
    Prefill();
    modFengShuiFourPillar::BirthDetails = Sentinel();
    const QString path = Write(c.file, kReading);
    const std::vector<ShownMessage> messages = Open(QFileInfo(path).dir().filePath(c.typed));
    QFile::remove(path);
    if (c.opened) {
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(modFengShuiFourPillar::BirthDetails.Name, "Ann Lee");
      ExpectChartShown();
    } else {
      ExpectFileRefused(messages);
    }
  }
}

enum class Unreadable { RemovedOnceChosen, FolderOnceChosen, NamedPipe, ReadFails };

TEST_F(OpenFileTest, AFileThatCannotBeReadIsRefusedAndChangesNothing) {
  const std::pair<const char*, Unreadable> cases[] = {
      {"gone.baz", Unreadable::RemovedOnceChosen},
      {"folder.baz", Unreadable::FolderOnceChosen},
      {"pipe.baz", Unreadable::NamedPipe},
      {"memory.baz", Unreadable::ReadFails},
  };
  for (const auto& [file, kind] : cases) {
    SCOPED_TRACE(file);
    FreshForm();
    Prefill();
    modFengShuiFourPillar::BirthDetails = Sentinel();
    const QString path = PathOf(file);
    const QByteArray localPath = QFile::encodeName(path);
    std::function<void(const QString&)> onChosen;
    int writer = -1;
    switch (kind) {
      case Unreadable::RemovedOnceChosen:
        Write(file, kReading);
        onChosen = [](const QString& chosen) { QFile::remove(chosen); };
        break;
      case Unreadable::FolderOnceChosen:
        Write(file, kReading);
        onChosen = [](const QString& chosen) {
          QFile::remove(chosen);
          QDir().mkdir(chosen);
        };
        break;
      case Unreadable::NamedPipe: {
        // The pipe's writer already holds all ten lines a reader takes, so a
        // reader that opened it would get a reading rather than wait for ever.
        const std::string tenLines = kReading + Lines({"116"});
        ASSERT_EQ(mkfifo(localPath.constData(), 0600), 0);
        writer = open(localPath.constData(), O_RDWR | O_NONBLOCK);
        ASSERT_GE(writer, 0);
        ASSERT_EQ(write(writer, tenLines.data(), tenLines.size()), static_cast<ssize_t>(tenLines.size()));
        break;
      }
      case Unreadable::ReadFails:
        // A regular file that opens, but whose first read fails.
        ASSERT_EQ(symlink("/proc/self/mem", localPath.constData()), 0);
        break;
    }
    ExpectFileRefused(Open(path, onChosen));
    if (writer >= 0) close(writer);
  }
}

}  // namespace
}  // namespace entry_test
