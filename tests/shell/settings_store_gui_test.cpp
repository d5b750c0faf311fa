#include "shell/settings_store.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "shell/text_codec.h"
#include "tests/shell/shell_test_support.h"

namespace tavrin {
namespace {

using test::IsolatedConfig;

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
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

}  // namespace
}  // namespace tavrin
