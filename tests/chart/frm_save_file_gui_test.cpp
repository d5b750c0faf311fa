#include "chart/frmSave.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <QDir>
#include <QTemporaryDir>

#include "tests/chart/report_fixture.h"
#include "tests/chart/report_tmpfs.h"
#include "tests/file_size_limit.h"

namespace tavrin {
namespace {

using testing::FileBytes;
using testing::MessageAnswerer;
using testing::ReportTest;
using testing::SaveDialogAnswer;

// Reading files raise every Windows-1252 code by 14 and end each line with
// CR LF; the expected bytes are built here by hand.
std::string ReadingFile(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    for (const char c : line) out += static_cast<char>(static_cast<unsigned char>(c) + 14);
    out += "\r\n";
  }
  return out;
}

BirthDetails MeiLin() {
  BirthDetails birth = testing::OneHiddenStemBirth();
  birth.Name = "Mei Lin";
  birth.MonthName = "March";
  birth.BirthSecond = 15;
  return birth;
}
const std::vector<std::string> kMeiLinLines = {"Mei Lin", "1987", "March", "7", "0", "30", "15", "8", "Female"};

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files, QDir::Name); }

class SaveTest : public ReportTest {
 protected:
  // Shows the report of `birth` and presses its Save, answering the save
  // dialog with `name` in `folder` and every message box with `answer`.
  std::vector<testing::ShownMessage> Save(const BirthDetails& birth, const QString& folder, const QString& name,
                                          QMessageBox::StandardButton answer = QMessageBox::Yes,
                                          QPushButton* frmSave::*button = &frmSave::cmdSave) {
    MessageAnswerer messages(answer);
    SaveDialogAnswer dialog(folder, name);
    DeleteMainWindows();
    WithReport(Cast(birth), [&](frmSave& report) { (report.*button)->click(); });
    EXPECT_EQ(dialog.seen(), 1) << "no save dialog";
    look = dialog.look;
    return messages.shown;
  }
  testing::SaveDialogLook look;
};

TEST_F(SaveTest, TheSaveDialogStartsEmptyAndOffersReadingFiles) {
  QTemporaryDir folder;
  Save(MeiLin(), folder.path(), QString());
  EXPECT_EQ(look.title, "Tavrin");
  EXPECT_EQ(look.nameFilters, QStringList{"Rich Text Format (*.baz)"});
  EXPECT_EQ(look.shownTypes, QStringList{"Rich Text Format"});
  EXPECT_EQ(look.defaultSuffix, "baz");
  EXPECT_EQ(look.typedName, "");
  EXPECT_TRUE(look.confirmsOverwrite);
}

TEST_F(SaveTest, SavesTheBirthDetailsByteForByteAndAsksBeforeReplacing) {
  struct Case {
    const char* label;
    QString typed;
    std::optional<double> enteredLongitude;
    std::optional<std::string> earlier;  // a file already at the chosen name
    QString written;
    std::string expected;
  } const cases[] = {
      {"a name without extension gets .baz", "reading", std::nullopt, std::nullopt, "reading.baz",
       ReadingFile(kMeiLinLines)},
      {"an entered longitude is the tenth line", "chart.baz", 116.4, std::nullopt, "chart.baz",
       ReadingFile([] {
         auto lines = kMeiLinLines;
         lines.push_back("116.4");
         return lines;
       }())},
      {"a longer earlier file is replaced whole", "old", std::nullopt, std::string(2000, 'z'), "old.baz",
       ReadingFile(kMeiLinLines)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    QTemporaryDir folder;
    const QString path = folder.filePath(c.written);
    if (c.earlier) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.earlier->data(), static_cast<qint64>(c.earlier->size()));
    }
    modFengShuiFourPillar::Birth.typedLongitude = c.enteredLongitude;
    const auto messages = Save(MeiLin(), folder.path(), c.typed);

    EXPECT_EQ(FilesIn(folder.path()), QStringList{c.written});
    EXPECT_EQ(FileBytes(path), c.expected);
    if (c.earlier) {
      ASSERT_EQ(messages.size(), 1u) << "replacing a file must be asked first";
      EXPECT_EQ(messages[0].title, "Tavrin");
      EXPECT_TRUE(messages[0].text.contains(c.written)) << messages[0].text.toStdString();
      EXPECT_EQ(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    } else {
      EXPECT_TRUE(messages.empty());
    }
  }
}

TEST_F(SaveTest, DecliningToReplaceKeepsTheEarlierFile) {
  QTemporaryDir folder;
  const QString path = folder.filePath("old.baz");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("earlier");
  file.close();
  const auto messages = Save(MeiLin(), folder.path(), "old.baz", QMessageBox::No);
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(FileBytes(path), "earlier");
}

TEST_F(SaveTest, CancellingTheDialogWritesNothingAndShowsNothing) {
  QTemporaryDir folder;
  const auto messages = Save(MeiLin(), folder.path(), QString());
  EXPECT_TRUE(FilesIn(folder.path()).isEmpty());
  EXPECT_TRUE(messages.empty());
}

TEST_F(SaveTest, EverySaveWritesTheFileAnewFromTheBirthDetails) {
  QTemporaryDir folder;
  Save(MeiLin(), folder.path(), "reading");
  BirthDetails later = MeiLin();
  later.Name = "Li";
  Save(later, folder.path(), "reading");
  auto lines = kMeiLinLines;
  lines[0] = "Li";
  EXPECT_EQ(FileBytes(folder.filePath("reading.baz")), ReadingFile(lines));
}

enum class Failure { fileSizeLimit, readOnlyFolder, fullDisk };

// A save that fails after the dialog leaves the earlier file as it was, adds
// no stray file and says why in a warning. The file size limit cuts a write
// short half-way, as a disk that fills up under a long name does; the other
// failures need a tiny file system, which only root can mount.
TEST_F(SaveTest, AFailedSaveLeavesTheEarlierFileAndSaysWhy) {
  struct Case {
    const char* label;
    QPushButton* frmSave::*button;
    QString name;
    Failure failure;
    QString saying;
  } const cases[] = {
      {"reading file, cut short", &frmSave::cmdSave, "reading.baz", Failure::fileSizeLimit,
       "The reading was not saved."},
      {"PDF, cut short", &frmSave::cmdSavePdf, "reading.pdf", Failure::fileSizeLimit,
       "The reading was not saved as a PDF file."},
      {"reading file, read-only folder", &frmSave::cmdSave, "reading.baz", Failure::readOnlyFolder,
       "The reading was not saved."},
      {"reading file, full disk", &frmSave::cmdSave, "reading.baz", Failure::fullDisk, "The reading was not saved."},
      {"PDF, read-only folder", &frmSave::cmdSavePdf, "reading.pdf", Failure::readOnlyFolder,
       "The reading was not saved as a PDF file."},
      {"PDF, full disk", &frmSave::cmdSavePdf, "reading.pdf", Failure::fullDisk,
       "The reading was not saved as a PDF file."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    QTemporaryDir scratch;
    const QString folder = scratch.filePath("disk");
    ASSERT_TRUE(QDir().mkdir(folder));
    std::optional<testing::TinyTmpfs> disk;
    if (c.failure != Failure::fileSizeLimit) {
      disk.emplace(folder, 512);
      if (!disk->mounted()) GTEST_SKIP() << "cannot mount a small tmpfs to make writes fail (" << disk->error() << ")";
    }

    ASSERT_TRUE(Save(MeiLin(), folder, c.name, QMessageBox::Yes, c.button).empty());
    const auto earlier = FileBytes(folder + '/' + c.name);
    ASSERT_TRUE(earlier && !earlier->empty());
    if (disk) {
      ASSERT_TRUE(c.failure == Failure::fullDisk ? disk->FillUp("filler") : disk->RemountReadOnly());
    }
    const QStringList files = FilesIn(folder);

    const bool cutShort = c.failure == Failure::fileSizeLimit;
    BirthDetails other = MeiLin();
    other.Name = cutShort ? std::string(20000, 'N') : "Somebody Else";
    std::optional<testing::FileSizeLimit> limit;
    if (cutShort) limit.emplace(16 * 1024);
    const auto messages = Save(other, folder, c.name, QMessageBox::Yes, c.button);
    limit.reset();

    EXPECT_EQ(FileBytes(folder + '/' + c.name), earlier);
    EXPECT_EQ(FilesIn(folder), files);
    ASSERT_EQ(messages.size(), 2u) << "the question to replace the file, then the failure";
    const testing::ShownMessage& failure = messages[1];
    EXPECT_EQ(failure.title, "Tavrin");
    EXPECT_EQ(failure.icon, QMessageBox::Warning);
    EXPECT_EQ(failure.buttons, QMessageBox::Ok);
    EXPECT_TRUE(failure.text.startsWith(c.saying + "\n\n")) << failure.text.toStdString();
    EXPECT_GT(failure.text.size(), c.saying.size() + 2) << "the reason is missing";
  }
}

}  // namespace
}  // namespace tavrin
