// The program as a separate process: one copy at a time, a copy that was
// killed does not block the next, and the start-up reminder. Each process
// carries the probe plugin, which reports the windows and message boxes it
// shows and answers the boxes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "shell/instance_lock.h"
#include "shell/page_address.h"
#include "shell/settings_store.h"
#include "tests/shell/shell_test_support.h"
#include "tests/test_paths.h"

namespace tavrin {
namespace {

using test::BrowserRecorder;

constexpr int kStartTimeoutMs = 30000;

QString BinDir() { return QString::fromStdString(testing::BinDir()); }

QString ProgramUnderTest() { return BinDir() + QStringLiteral("/tavrin"); }

const QString kWindowLine = QStringLiteral("window\tfrmMain\t");
const QString kAlreadyRunningLine =
    QStringLiteral("messagebox\tmsgAlreadyRunning\tTavrin\tApplication is already running\t%1\t%2")
        .arg(int(QMessageBox::Information))
        .arg(int(QMessageBox::Ok));
const QString kReminderLine =
    QStringLiteral(
        "messagebox\tmsgUpdateReminder\tTavrin\tThere maybe an update to this software available\\r"
        "Do you want to check for an update?\t%1\t%2")
        .arg(int(QMessageBox::Information))
        .arg(int(QMessageBox::Yes | QMessageBox::No));

// The folders one user's session gives every copy of the program.
class Session {
 public:
  Session() { QFile::setPermissions(runtime_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); }

  QString ConfigPath() const { return config_.path(); }
  QString RuntimePath() const { return runtime_.path(); }

  // The program's settings file in this session.
  QString ProgramSettingsFile() const {
    return config_.path() + QStringLiteral("/Tavrin/") + QFileInfo(ProgramUnderTest()).completeBaseName() +
           QStringLiteral(".ini");
  }

  // Stores the reminder's day as the program would find it.
  void StoreReminderDay(const QString& value) const {
    QTemporaryDir scratch;
    test::ScopedEnv config("XDG_CONFIG_HOME", scratch.path().toUtf8());
    ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), value));
    QDir().mkpath(QFileInfo(ProgramSettingsFile()).path());
    QFile::remove(ProgramSettingsFile());
    ASSERT_TRUE(QFile::copy(SettingsFilePath(), ProgramSettingsFile()));
  }

  // The reminder's day the program stored.
  std::optional<QString> ReminderDay() const {
    QTemporaryDir scratch;
    test::ScopedEnv config("XDG_CONFIG_HOME", scratch.path().toUtf8());
    QDir().mkpath(QFileInfo(SettingsFilePath()).path());
    QFile::copy(ProgramSettingsFile(), SettingsFilePath());
    return ReadSetting(QStringLiteral("Duration"));
  }

  QStringList LockFiles() const { return QDir(runtime_.path()).entryList({QStringLiteral("*.lock")}, QDir::Files); }

 private:
  QTemporaryDir config_;
  QTemporaryDir runtime_;
};

// One running copy of the program with the probe in it.
class Copy {
 public:
  explicit Copy(const Session& session, const char* answer = "") : report_(reports_.filePath(QStringLiteral("report"))) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), session.ConfigPath());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), session.RuntimePath());
    env.insert(QStringLiteral("QT_PLUGIN_PATH"), BinDir() + QStringLiteral("/test-plugins"));
    env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("tavrinprobe"));
    env.insert(QStringLiteral("TAVRIN_PROBE_REPORT"), report_);
    env.insert(QStringLiteral("TAVRIN_PROBE_ANSWER"), QString::fromLatin1(answer));
    process_.setProcessEnvironment(env);
    process_.setProgram(ProgramUnderTest());
    process_.start();
  }

  ~Copy() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }

  QStringList Report() const {
    QFile file(report_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  // Waits until the report holds a line starting with `prefix`.
  bool WaitFor(const QString& prefix) {
    for (int waited = 0; waited < kStartTimeoutMs; waited += 50) {
      for (const QString& line : Report())
        if (line.startsWith(prefix)) return true;
      if (process_.state() == QProcess::NotRunning) return false;
      QTest::qWait(50);
    }
    return false;
  }

  bool WaitForEnd() { return process_.waitForFinished(kStartTimeoutMs); }
  bool Running() const { return process_.state() == QProcess::Running; }
  int ExitCode() const { return process_.exitCode(); }
  QProcess::ExitStatus ExitStatus() const { return process_.exitStatus(); }
  void Kill() {
    process_.kill();  // SIGKILL: no clean-up of any kind
    process_.waitForFinished();
  }

 private:
  QTemporaryDir reports_;
  QString report_;
  QProcess process_;
};

TEST(SingleInstance, SecondCopyShowsTheMessageAndEndsTouchingNothing) {
  Session session;
  Copy first(session);
  ASSERT_TRUE(first.WaitFor(kWindowLine)) << first.Report().join('\n').toStdString();
  // A reminder that is due would show its question if the second copy got
  // as far as reading its settings.
  session.StoreReminderDay(QStringLiteral("2000-01-01"));
  const QStringList configBefore = test::Snapshot(session.ConfigPath());
  const QStringList firstReportBefore = first.Report();

  Copy second(session);
  ASSERT_TRUE(second.WaitForEnd());
  EXPECT_EQ(second.ExitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.ExitCode(), 0);
  EXPECT_EQ(second.Report(), QStringList{kAlreadyRunningLine});
  EXPECT_EQ(test::Snapshot(session.ConfigPath()), configBefore);

  QTest::qWait(200);
  EXPECT_TRUE(first.Running());
  EXPECT_EQ(first.Report(), firstReportBefore);
}

TEST(SingleInstance, CopyKilledOutrightDoesNotBlockTheNextStart) {
  Session session;
  {
    Copy first(session);
    ASSERT_TRUE(first.WaitFor(kWindowLine)) << first.Report().join('\n').toStdString();
    first.Kill();
  }
  ASSERT_EQ(session.LockFiles().size(), 1) << "the killed copy left its lock behind";

  Copy next(session);
  ASSERT_TRUE(next.WaitFor(kWindowLine)) << next.Report().join('\n').toStdString();
  EXPECT_FALSE(next.Report().join('\n').contains(QStringLiteral("messagebox")));
  EXPECT_TRUE(next.Running());

  // And it holds the lock in turn.
  Copy third(session);
  ASSERT_TRUE(third.WaitForEnd());
  EXPECT_EQ(third.Report(), QStringList{kAlreadyRunningLine});
}

TEST(SingleInstance, CopiesOneAfterTheOtherEachStartNormally) {
  Session session;
  for (int run = 0; run < 2; ++run) {
    Copy copy(session);
    ASSERT_TRUE(copy.WaitFor(kWindowLine)) << run;
    copy.Kill();
  }
}

TEST(SingleInstance, LockFileLeftInAnyStateIsTakenOverAsFromADeadCopy) {
  struct Case {
    const char* what;
    std::function<void(const QString& lock, const QString& aside)> make;
  };
  const auto write = [](const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
  };
  const Case cases[] = {
      {"nothing", [](const QString&, const QString&) {}},
      {"an empty file (killed before it was written)", [&](const QString& lock, const QString&) { write(lock, ""); }},
      {"junk", [&](const QString& lock, const QString&) { write(lock, QByteArrayLiteral("\xff\x00not a lock\n")); }},
      {"a folder", [](const QString& lock, const QString&) { ASSERT_TRUE(QDir().mkdir(lock)); }},
      {"a dangling link",
       [](const QString& lock, const QString& aside) {
         ASSERT_TRUE(QFile::link(aside + QStringLiteral("/gone"), lock));
       }},
      {"a link to someone's file",
       [&](const QString& lock, const QString& aside) {
         write(aside + QStringLiteral("/file"), "theirs");
         ASSERT_TRUE(QFile::link(aside + QStringLiteral("/file"), lock));
       }},
      {"a pipe",
       [](const QString& lock, const QString&) { ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0600), 0); }},
  };
  for (const Case& c : cases) {
    QTemporaryDir runtime, aside;
    const QString path = runtime.filePath(QStringLiteral("tavrin.lock"));
    c.make(path, aside.path());
    const QStringList asideBefore = test::Snapshot(aside.path());
    test::ObstacleRemover unblock(path, -1);  // should anything read the pipe
    {
      InstanceLock running(path);
      EXPECT_TRUE(running.TryLock()) << c.what;
      // While it runs, every other start is kept out.
      InstanceLock second(path);
      EXPECT_FALSE(second.TryLock()) << c.what;
    }
    InstanceLock next(path);
    EXPECT_TRUE(next.TryLock()) << c.what;
    EXPECT_EQ(test::Snapshot(aside.path()), asideBefore) << c.what;
  }
}

TEST(StartUp, FirstStartStoresTodayAndShowsTheEntryFormWithoutAQuestion) {
  Session session;
  Copy copy(session);
  ASSERT_TRUE(copy.WaitFor(kWindowLine));
  EXPECT_FALSE(copy.Report().join('\n').contains(QStringLiteral("messagebox")));
  EXPECT_EQ(session.ReminderDay(), std::optional<QString>(QDate::currentDate().toString(Qt::ISODate)));
}

TEST(StartUp, DueReminderAsksThenTheEntryFormShows) {
  struct Case {
    const char* answer;
    bool opensDownloadPage;
  };
  for (const Case& c : {Case{"yes", true}, Case{"no", false}}) {
    BrowserRecorder browser;
    Session session;
    session.StoreReminderDay(QDate::currentDate().addDays(-15).toString(Qt::ISODate));
    Copy copy(session, c.answer);
    ASSERT_TRUE(copy.WaitFor(kWindowLine)) << c.answer;
    const QStringList report = copy.Report();
    ASSERT_EQ(report.size(), 2) << report.join('\n').toStdString();
    EXPECT_EQ(report[0], kReminderLine) << c.answer;
    EXPECT_EQ(session.ReminderDay(), std::optional<QString>(QDate::currentDate().toString(Qt::ISODate)));
    if (c.opensDownloadPage)
      EXPECT_EQ(browser.Opened(), QStringList{QString::fromStdString(PageAddress(kDownloadPage))});
    else
      EXPECT_TRUE(browser.Opened(1, 1000).isEmpty());
  }
}

}  // namespace
}  // namespace tavrin
