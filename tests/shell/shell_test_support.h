#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace tavrin::test {

// Sets (or, given std::nullopt, removes) an environment variable for the
// life of the object and puts the old value back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, std::optional<QByteArray> value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    if (value) qputenv(name, *value);
    else qunsetenv(name);
  }
  ~ScopedEnv() {
    if (old_) qputenv(name_, *old_);
    else qunsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<QByteArray> old_;
};

// A configuration folder of the test's own.
class IsolatedConfig {
 public:
  IsolatedConfig() : env_("XDG_CONFIG_HOME", dir_.path().toUtf8()) {}
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  ScopedEnv env_;
};

// Frees code under test that wrongly waits on `path`, so that the fault shows
// as a failed check rather than a hung test: a reader blocked on it as a pipe
// (or a link to one) is let go at once (the pipe is opened from its writing end and closed
// again), and after `removeAfterMs` (never when negative) whatever lies there
// is removed.
class ObstacleRemover {
 public:
  ObstacleRemover(const QString& path, int removeAfterMs)
      : path_(QFile::encodeName(path)), thread_([this, removeAfterMs] { Run(removeAfterMs); }) {}
  ~ObstacleRemover() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  ObstacleRemover(const ObstacleRemover&) = delete;
  ObstacleRemover& operator=(const ObstacleRemover&) = delete;

 private:
  void Run(int removeAfterMs) {
    const auto start = std::chrono::steady_clock::now();
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(10), [this] { return stop_; })) {
      struct stat st {};
      if (::stat(path_.constData(), &st) == 0 && S_ISFIFO(st.st_mode)) {  // a pipe, or a link to one
        const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);  // fails unless a reader waits
        if (fd >= 0) ::close(fd);
      }
      if (removeAfterMs >= 0 && std::chrono::steady_clock::now() - start > std::chrono::milliseconds(removeAfterMs) &&
          ::lstat(path_.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) ::rmdir(path_.constData());
        else ::unlink(path_.constData());
      }
    }
  }

  QByteArray path_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

// Every file under `root` with its contents, to see whether a folder changed.
inline QStringList Snapshot(const QString& root) {
  QStringList entries;
  QDir dir(root);
  for (const QString& name : dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name)) {
    const QString path = dir.filePath(name);
    if (QFileInfo(path).isDir()) {
      entries << path + QStringLiteral("/");
      entries << Snapshot(path);
    } else {
      QFile file(path);
      file.open(QIODevice::ReadOnly);
      entries << path + QStringLiteral(" = ") + QString::fromLatin1(file.readAll().toHex());
    }
  }
  return entries;
}

// Stands in for the user's browser: xdg-open, finding no desktop, hands the
// address to $BROWSER, here a script that appends it to a file.
class BrowserRecorder {
 public:
  explicit BrowserRecorder(int delaySeconds = 0)
      : script_(dir_.filePath(QStringLiteral("browser"))),
        record_(dir_.filePath(QStringLiteral("opened"))),
        browser_("BROWSER", script_.toUtf8()),
        display_("DISPLAY", std::nullopt),
        wayland_("WAYLAND_DISPLAY", std::nullopt),
        desktop_("XDG_CURRENT_DESKTOP", std::nullopt),
        session_("DESKTOP_SESSION", std::nullopt),
        kde_("KDE_FULL_SESSION", std::nullopt),
        gnome_("GNOME_DESKTOP_SESSION_ID", std::nullopt) {
    QFile script(script_);
    script.open(QIODevice::WriteOnly);
    script.write("#!/bin/sh\nsleep " + QByteArray::number(delaySeconds) + "\nprintf '%s\\n' \"$1\" >> '" +
                 record_.toUtf8() + "'\n");
    script.close();
    script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  }

  // The addresses opened so far, waiting up to `timeoutMs` for at least `count`.
  QStringList Opened(int count = 1, int timeoutMs = 10000) const {
    QElapsedTimer clock;
    clock.start();
    QStringList lines;
    do {
      lines = Lines();
      if (lines.size() >= count) break;
      QTest::qWait(25);
    } while (clock.elapsed() < timeoutMs);
    return lines;
  }

  // The addresses opened so far, without waiting.
  QStringList Lines() const {
    QFile file(record_);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  void Clear() const { QFile::remove(record_); }

 private:
  QTemporaryDir dir_;
  QString script_;
  QString record_;
  ScopedEnv browser_, display_, wayland_, desktop_, session_, kde_, gnome_;
};

}  // namespace tavrin::test
