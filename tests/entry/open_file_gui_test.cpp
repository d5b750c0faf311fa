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

// A reading the form cannot take as it was saved is refused, and the reason
// follows on a second line in the caster's words.
TEST_F(OpenFileTest, AReadingTheFormCannotTakeAsSavedIsRefusedWithTheReason) {
  const auto with = [](const char* year, const std::string& choice) {
    return Lines({"Ann", year, "May", "5", "1", "2", "3", "8", "Male", "", choice});
  };
  const std::pair<std::string, std::string> cases[] = {
      {with("1984", "method=banana"), "method=banana: expected classic or precise"},
      {with("1984", "solarTime=true"), "true solar time needs the precise method"},
      {with("1984", "name=\\u12"), "name=\\u12: \"\\u12\" is not \\u and four hexadecimal digits"},
      {with("1500", "method=precise"), "line 2 (year) \"1500\": expected a year from 1600 to 2199 (the precise method)"},
      {with("1850", "name=\\u5F20"), "line 2 (year) \"1850\": expected a year from 1901 to 2050 (the classic method)"},
      {with("01984", "method=precise"),
       "line 2 (year) \"01984\": expected a year from 1600 to 2199 (the precise method)"},
  };
  for (const auto& [bytes, reason] : cases) {
    SCOPED_TRACE(reason);
    FreshForm();
    Prefill();
    modFengShuiFourPillar::BirthDetails = Sentinel();
    const std::vector<ShownMessage> shown = Open(Write("reading.baz", bytes));
    ExpectOneMessage(shown, ("Please Check The File.\n" + reason).c_str(), Icon::Critical);
    ASSERT_NO_FATAL_FAILURE(ExpectFormKept());
    EXPECT_EQ(State(), kBeforeState);
    EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(Sentinel()));
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
