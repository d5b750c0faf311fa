#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "text/text_codec.h"
#include "tests/shell/shell_test_support.h"

namespace tavrin {
namespace {

using test::IsolatedConfig;
using test::ObstacleRemover;

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

void MakePipe(const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }

void MakeLink(const QString& target, const QString& path) { ASSERT_TRUE(QFile::link(target, path)); }

// What lies at `path`, without following a link: "file" and its bytes,
// "pipe", "folder", "link to" its target, or "nothing".
std::string Describe(const QString& path) {
  struct stat st {};
  if (::lstat(QFile::encodeName(path).constData(), &st) != 0) return "nothing";
  if (S_ISLNK(st.st_mode)) return "link to " + QFileInfo(path).symLinkTarget().toStdString();
  if (S_ISFIFO(st.st_mode)) return "pipe";
  if (S_ISDIR(st.st_mode)) return "folder";
  return "file " + FileBytes(path).toStdString();
}

TEST(SettingsStore, FileIsNamedAfterTheExecutableInTheUsersConfigFolder) {
  IsolatedConfig config;
  const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  EXPECT_EQ(SettingsFilePath(), config.Path() + QStringLiteral("/Tavrin/") + program + QStringLiteral(".ini"));
}

TEST(SettingsStore, KeyNeverWrittenReadsEmpty) {
  IsolatedConfig config;
  ASSERT_TRUE(WriteSetting(QStringLiteral("Other"), QStringLiteral("x")));
  for (const char* key : {"Duration", "Other2", ""}) {
    const std::optional<QString> value = ReadSetting(QString::fromLatin1(key));
    ASSERT_TRUE(value.has_value()) << key;
    EXPECT_EQ(*value, QString()) << key;
  }
}

TEST(SettingsStore, ValuesComeBackAsWritten) {
  struct Case {
    const char* key;
    const char* value;  // UTF-8
  };
  // Keys and values whose encoded forms hold the characters an INI file
  // treats specially: "/" and "\" (from "!" and "N"), "@" (from "2"), "="
  // (from "/"), ";" (from "-"), and codes above 127.
  const Case cases[] = {
      {"Duration", "2026-03-14"},
      {"Duration", "3/14/26"},
      {"Duration", "14.03.26"},
      {"Name!", "N\\ame"},
      {"NN", "=;#[]"},
      {"a b", "  spaced  "},
      {"Accents", "\xC3\xA9t\xC3\xA9 \xE2\x82\xAC"},
      {"Empty", ""},
  };
  for (const Case& c : cases) {
    IsolatedConfig config;
    const QString key = QString::fromUtf8(c.key);
    const QString value = QString::fromUtf8(c.value);
    ASSERT_TRUE(WriteSetting(key, value)) << c.key;
    EXPECT_EQ(ReadSetting(key), std::optional<QString>(value)) << c.key << " = " << c.value;
  }
}

TEST(SettingsStore, LaterWriteReplacesEarlierOne) {
  IsolatedConfig config;
  ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-01-01")));
  ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-02-02")));
  EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), std::optional<QString>(QStringLiteral("2026-02-02")));
}

TEST(SettingsStore, FileHoldsOnlyEncodedKeysAndValuesInTheSettingsSection) {
  IsolatedConfig config;
  ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-03-14")));
  const QByteArray ini = FileBytes(SettingsFilePath());
  EXPECT_TRUE(ini.startsWith("[Settings]\n")) << ini.toStdString();
  EXPECT_FALSE(ini.contains("Duration")) << ini.toStdString();
  EXPECT_FALSE(ini.contains("2026-03-14")) << ini.toStdString();
  // The value's encoded form is what the file holds ("2" raised by the
  // offset is "@", which the INI format doubles).
  const QByteArray encodedValue = QByteArray::fromStdString(FromAnsi(EncodeText("2026-03-14")));
  EXPECT_TRUE(ini.contains("@" + encodedValue)) << ini.toStdString();
}

TEST(SettingsStore, WriteFailureIsReported) {
  IsolatedConfig config;
  // A plain file where the settings folder belongs: nothing can be written
  // into it, even by a privileged user.
  QFile blocker(config.Path() + QStringLiteral("/Tavrin"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-03-14")));
}

TEST(SettingsStore, ReadFailureIsReported) {
  IsolatedConfig config;
  // A folder where the settings file belongs cannot be read as one.
  ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));
  EXPECT_FALSE(ReadSetting(QStringLiteral("Duration")).has_value());
}

TEST(SettingsStore, OnlyAPlainFileThatReadsAsSettingsIsReadOrWritten) {
  const QByteArray notes = "Call the bank\nkey = not a setting\n";
  struct Case {
    const char* what;
    // Puts something at the settings file's place; `aside` is a folder for
    // whatever it links to.
    std::function<void(const QString& store, const QString& aside)> make;
  };
  const Case cases[] = {
      {"a pipe", [](const QString& store, const QString&) { MakePipe(store); }},
      {"a link to a pipe",
       [](const QString& store, const QString& aside) {
         MakePipe(aside + QStringLiteral("/pipe"));
         MakeLink(aside + QStringLiteral("/pipe"), store);
       }},
      {"a dangling link",
       [](const QString& store, const QString& aside) { MakeLink(aside + QStringLiteral("/missing.ini"), store); }},
      {"a notes file", [&](const QString& store, const QString&) { WriteFile(store, notes); }},
      {"a list without a key in it", [](const QString& store, const QString&) { WriteFile(store, "Buy\nmilk\n"); }},
      {"a settings file with another section",
       [](const QString& store, const QString&) { WriteFile(store, "[Settings]\nA=1\n[Other]\nB=2\n"); }},
      {"a link to a notes file",
       [&](const QString& store, const QString& aside) {
         WriteFile(aside + QStringLiteral("/notes.txt"), notes);
         MakeLink(aside + QStringLiteral("/notes.txt"), store);
       }},
  };
  for (const Case& c : cases) {
    IsolatedConfig config;
    QTemporaryDir aside;
    const QString store = SettingsFilePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(store).path()));
    c.make(store, aside.path());
    const QStringList asideBefore = test::Snapshot(aside.path());
    const std::string storeBefore = Describe(store);
    // A pipe that someone opens by mistake is opened from the other end at
    // once, so that the mistake shows as a wrong answer rather than a hang.
    ObstacleRemover unblockAside(aside.path() + QStringLiteral("/pipe"), -1);
    ObstacleRemover unblockStore(store, -1);

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(ReadSetting(QStringLiteral("Duration")).has_value()) << c.what;
    EXPECT_FALSE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-03-14"))) << c.what;
    EXPECT_LT(clock.elapsed(), 1000) << c.what;
    EXPECT_EQ(Describe(store), storeBefore) << c.what;
    EXPECT_EQ(test::Snapshot(aside.path()), asideBefore) << c.what;
  }
}

TEST(SettingsStore, LinkToASettingsFileIsWrittenThroughAndStaysALink) {
  IsolatedConfig config;
  QTemporaryDir dotfiles;
  const QString target = dotfiles.filePath(QStringLiteral("tavrin.ini"));
  {
    IsolatedConfig elsewhere;
    ASSERT_TRUE(WriteSetting(QStringLiteral("Other"), QStringLiteral("kept")));
    ASSERT_TRUE(QFile::copy(SettingsFilePath(), target));
  }
  ASSERT_TRUE(QDir().mkpath(QFileInfo(SettingsFilePath()).path()));
  MakeLink(target, SettingsFilePath());

  ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-03-14")));
  EXPECT_EQ(Describe(SettingsFilePath()), "link to " + target.toStdString());
  EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), std::optional<QString>(QStringLiteral("2026-03-14")));
  EXPECT_EQ(ReadSetting(QStringLiteral("Other")), std::optional<QString>(QStringLiteral("kept")));
}

TEST(SettingsStore, WriteGivesUpAtOnceOnALockItCannotTake) {
  struct Case {
    const char* what;
    std::function<void(const QString& lock)> make;
  };
  const Case cases[] = {
      {"a folder", [](const QString& lock) { ASSERT_TRUE(QDir().mkdir(lock)); }},
      {"a dangling link", [](const QString& lock) { MakeLink(lock + QStringLiteral(".gone"), lock); }},
      {"a pipe", [](const QString& lock) { MakePipe(lock); }},
      {"a link to a pipe",
       [](const QString& lock) {
         MakePipe(lock + QStringLiteral(".pipe"));
         MakeLink(lock + QStringLiteral(".pipe"), lock);
       }},
      {"a fresh file of junk", [](const QString& lock) { WriteFile(lock, "junk\n"); }},
  };
  for (const Case& c : cases) {
    IsolatedConfig config;
    ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-01-01")));
    const QString lock = SettingsFilePath() + QStringLiteral(".lock");
    c.make(lock);
    const std::string lockBefore = Describe(lock);
    // Should the store wait on the lock, the lock goes after a while so that
    // the wait shows as slowness rather than a hang.
    ObstacleRemover remover(lock, 1500);

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(WriteSetting(QStringLiteral("Duration"), QStringLiteral("2026-03-14"))) << c.what;
    EXPECT_LT(clock.elapsed(), 1000) << c.what;
    EXPECT_EQ(Describe(lock), lockBefore) << c.what;
    EXPECT_EQ(ReadSetting(QStringLiteral("Duration")), std::optional<QString>(QStringLiteral("2026-01-01")))
        << c.what;
  }
}

}  // namespace
}  // namespace tavrin
