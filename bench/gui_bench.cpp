// Speed of the desktop program as the user meets it: the program's start to
// the entry form on the screen, and "Analyze My Ba Zi" to the chart window on
// the screen. A window counts as shown once it is visible, exposed and has
// been painted once. Targets: start under 250 ms, analysis under 15 ms.
//
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise
// (e.g. xcb under xvfb-run). The settings and the single-instance lock live
// in a temporary folder of the run, with the update reminder's day already
// stored as today, so no question is asked at start.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "bench/varied_births.h"
#include "chart/frmFengShuiFourPillar.h"
#include "entry/frmMain.h"
#include "entry/place_box.h"
#include "shell/form_instance.h"
#include "shell/images.h"
#include "shell/instance_lock.h"
#include "shell/settings_store.h"
#include "shell/startup.h"
#include "shell/update_reminder.h"

extern char** environ;

namespace tavrin::bench {
namespace {

using Clock = std::chrono::steady_clock;  // CLOCK_MONOTONIC, shared with the started program
constexpr int kTimeoutMs = 10'000;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }
double Millis(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// Watches every event of the program for the first paint of a top-level
// window of one class, and runs the event loop until it has happened.
class PaintWatch : public QObject {
 public:
  PaintWatch() { qApp->installEventFilter(this); }
  ~PaintWatch() override { qApp->removeEventFilter(this); }

  // Forgets earlier paints and watches windows of `className` from now on.
  void Expect(const char* className) {
    className_ = className;
    painted_ = false;
  }

  // True once a window of the class has been painted, and that paint and its
  // flush to the screen are over. Runs the event loop for at most `timeoutMs`.
  bool Wait(int timeoutMs = kTimeoutMs) {
    if (!painted_) {
      QEventLoop loop;
      loop_ = &loop;
      QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
      loop.exec();
      loop_ = nullptr;
    }
    return painted_;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (painted_ || event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow() || !widget->inherits(className_)) return false;
    painted_ = true;
    // Queued: the loop ends when the whole repaint is over, not before it.
    if (loop_) QMetaObject::invokeMethod(loop_.data(), &QEventLoop::quit, Qt::QueuedConnection);
    return false;
  }

 private:
  const char* className_ = "";
  bool painted_ = false;
  QPointer<QEventLoop> loop_;
};

bool OnScreen(QWidget* window) {
  return window && window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed();
}

// Lets posted work (repaints, deferred deletes) run outside the measurement.
void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// Both main windows gone, as after a swap.
void CloseWindows() {
  if (auto* chart = FormInstance<frmFengShuiFourPillar>::Existing()) chart->CloseForSwap();
  if (auto* entry = FormInstance<frmMain>::Existing()) entry->CloseForSwap();
  Settle();
}

// A fresh entry form on the screen, filled in as a user would with the
// `index`th of the varied births (its year folded into the form's range).
frmMain* FilledEntryForm(unsigned index, PaintWatch& watch) {
  watch.Expect("frmMain");
  frmMain& form = FormInstance<frmMain>::Get();
  form.show();
  if (!watch.Wait() || !OnScreen(&form)) return nullptr;
  const VariedBirth birth = MakeVariedBirth(index);
  QTest::keyClicks(form.txtName, QStringLiteral("Person %1").arg(index));
  form.cboMonth->setCurrentIndex(birth.month - 1);
  form.cboDate->setCurrentIndex(birth.day - 1);
  form.cboYear->setCurrentIndex((birth.year - 1900) % 150);  // 1901..2050
  form.cboHH->setCurrentIndex(birth.hour);
  form.cboMM->setCurrentIndex(birth.minute);
  QTest::keyClicks(form.txtLongitude, QString::number(birth.longitude));
  QTest::mouseClick(birth.male ? form.optMale : form.optFemale, Qt::LeftButton);
  Settle();
  return &form;
}

// In-process: the start-up sequence of main (lock, reminder, entry form) in
// a program whose QApplication already exists, to the entry form painted.
// startup_ms is the part until StartUp returns (the form built and shown, not
// yet painted). The first iteration of the run builds the first entry form of
// the process and is reported on its own as first_ms.
void EntryFormShownAfterStartUp(benchmark::State& state) {
  static std::optional<double> firstMs;
  PaintWatch watch;
  CloseWindows();
  double syncMs = 0;
  for (auto _ : state) {
    watch.Expect("frmMain");
    InstanceLock lock;
    const Clock::time_point start = Clock::now();
    const bool started = StartUp(lock, [](FrontFrameLabel) { FormInstance<frmMain>::Get().show(); });
    const Clock::time_point returned = Clock::now();
    const bool shown = started && watch.Wait() && OnScreen(FormInstance<frmMain>::Existing());
    const Clock::duration took = Clock::now() - start;
    syncMs += Millis(returned - start);
    state.SetIterationTime(Seconds(took));
    if (!shown) {
      state.SkipWithError(started ? "the entry form was not painted" : "another copy holds the lock");
      break;
    }
    if (!firstMs) firstMs = Millis(took);
    CloseWindows();
  }
  CloseWindows();
  if (firstMs) state.counters["first_ms"] = *firstMs;
  state.counters["startup_ms"] = benchmark::Counter(syncMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(EntryFormShownAfterStartUp)->UseManualTime()->Unit(benchmark::kMillisecond);

// In-process: a click on "Analyze My Ba Zi" of a filled-in entry form, to the
// chart window painted. Filling the form and closing the chart window are
// not measured. click_ms is the part until the click returns (checks, cast,
// chart window built and shown, entry form closed); the rest is the window
// system's exposure and the first paint. first_ms is the process's first
// analysis, which builds the first chart window.
void AnalyzeClickToChartShown(benchmark::State& state) {
  static std::optional<double> firstMs;
  PaintWatch watch;
  CloseWindows();
  double clickMs = 0;
  unsigned index = 0;
  for (auto _ : state) {
    frmMain* form = FilledEntryForm(index++, watch);
    if (!form) {
      state.SkipWithError("the entry form was not painted");
      break;
    }
    watch.Expect("frmFengShuiFourPillar");
    const Clock::time_point start = Clock::now();
    QTest::mouseClick(form->cmdCalculation, Qt::LeftButton);
    clickMs += Millis(Clock::now() - start);
    const bool shown = watch.Wait() && OnScreen(FormInstance<frmFengShuiFourPillar>::Existing());
    const Clock::duration took = Clock::now() - start;
    state.SetIterationTime(Seconds(took));
    if (!shown) {
      state.SkipWithError("the chart window was not painted");
      break;
    }
    if (!firstMs) firstMs = Millis(took);
    CloseWindows();
  }
  CloseWindows();
  if (firstMs) state.counters["first_ms"] = *firstMs;
  state.counters["click_ms"] = benchmark::Counter(clickMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(AnalyzeClickToChartShown)->UseManualTime()->Unit(benchmark::kMillisecond);

// In-process: a city name typed letter by letter into the birth place box of
// a fresh entry form, each letter to the list of matches on the screen.
// first_ms is the process's first letter counted from the form's first
// paint, so it includes whatever is left of reading the place catalogue,
// which the form starts when it is built (target: 100 ms); run this
// benchmark alone for it. The iterations are the further letters (target:
// 10 ms each).
void PlaceSearchAsTyped(benchmark::State& state) {
  static std::optional<double> firstMs;
  PaintWatch watch;
  CloseWindows();
  watch.Expect("frmMain");
  frmMain& form = FormInstance<frmMain>::Get();
  form.show();
  if (!watch.Wait() || !OnScreen(&form)) {
    state.SkipWithError("the entry form was not painted");
    return;
  }
  const Clock::time_point painted = Clock::now();
  form.activateWindow();
  form.txtPlace->setFocus();
  const QString name = QStringLiteral("Shanghai");
  int letter = 0;
  for (auto _ : state) {
    if (letter == name.size()) {
      form.txtPlace->clear();
      letter = 0;
    }
    const Clock::time_point start = Clock::now();
    QTest::keyClick(form.txtPlace, name[letter++].toLatin1());
    const bool listed = QApplication::activePopupWidget() != nullptr;
    const Clock::time_point answered = Clock::now();
    state.SetIterationTime(Seconds(answered - start));
    if (!listed) {
      state.SkipWithError("no list of places (is libtimezonemap-data installed?)");
      break;
    }
    if (!firstMs) firstMs = Millis(answered - painted);
  }
  CloseWindows();
  if (firstMs) state.counters["first_ms"] = *firstMs;
}
BENCHMARK(PlaceSearchAsTyped)->UseManualTime()->Unit(benchmark::kMillisecond);

// ---- The real program, started as a process ------------------------------

QString ProgramPath() {
  const QString chosen = qEnvironmentVariable("TAVRIN_BENCH_PROGRAM");
  return chosen.isEmpty() ? QCoreApplication::applicationDirPath() + QStringLiteral("/tavrin") : chosen;
}

// What the probe plugin (shown_probe.cpp) wrote, read as it arrives.
struct ProbeReport {
  std::optional<long long> probeNs;  // monotonic time the probe was made
  std::string last;                  // "shown ...", "dialog ...", or empty
  std::string problem;
};

ProbeReport ReadProbe(int fd) {
  ProbeReport report;
  std::string pending;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kTimeoutMs);
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    pollfd wanted{fd, POLLIN, 0};
    if (left <= 0 || ::poll(&wanted, 1, static_cast<int>(left)) == 0) {
      report.problem = "no entry form within " + std::to_string(kTimeoutMs) + " ms";
      return report;
    }
    char buffer[256];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      report.problem = "the program ended before showing the entry form";
      return report;
    }
    pending.append(buffer, static_cast<std::size_t>(got));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
      const std::string line = pending.substr(0, end);
      if (line.rfind("probe ", 0) == 0) {
        report.probeNs = std::stoll(line.substr(6));
      } else {
        report.last = line;
        if (line.rfind("dialog ", 0) == 0) report.problem = "a window came before the entry form: " + line;
        return report;
      }
    }
  }
}

// The program's environment: ours (platform, settings and runtime folders)
// plus the probe, which reports on `fd`.
std::vector<std::string> ProgramEnvironment(int fd) {
  static const char* const kOwn[] = {"QT_PLUGIN_PATH=", "QT_QPA_GENERIC_PLUGINS=", "TAVRIN_BENCH_SHOWN_FD="};
  std::vector<std::string> env;
  for (char** entry = environ; *entry; ++entry) {
    bool own = false;
    for (const char* name : kOwn) own = own || std::strncmp(*entry, name, std::strlen(name)) == 0;
    if (!own) env.emplace_back(*entry);
  }
  env.push_back("QT_PLUGIN_PATH=" + (QCoreApplication::applicationDirPath() + "/bench-plugins").toStdString());
  env.push_back("QT_QPA_GENERIC_PLUGINS=tavrinshown");
  env.push_back("TAVRIN_BENCH_SHOWN_FD=" + std::to_string(fd));
  return env;
}

std::string Head(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(300).trimmed().toStdString();
}

// The real program, from its process being started to its entry form
// painted (the probe's "shown"). After that the probe asks the program to
// quit; the time from start to its exit is reported as exit_ms, and the
// time from start to the probe's creation (the QApplication nearly built,
// its platform plugin loaded) as qapp_ms.
void ProgramStartToEntryFormShown(benchmark::State& state) {
  const std::string program = ProgramPath().toStdString();
  if (!QFile::exists(ProgramPath())) {
    state.SkipWithError(("no program at " + program + " (set TAVRIN_BENCH_PROGRAM)").c_str());
    return;
  }
  const QString errorsPath = QDir(qEnvironmentVariable("XDG_RUNTIME_DIR")).filePath(QStringLiteral("program-stderr"));
  double qappMs = 0, exitMs = 0;
  for (auto _ : state) {
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
      state.SkipWithError("no pipe");
      break;
    }
    // The program inherits the writing end only.
    ::fcntl(pipeFds[1], F_SETFD, 0);
    std::vector<std::string> env = ProgramEnvironment(pipeFds[1]);
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string arg0 = program;
    char* argv[] = {arg0.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const std::string errors = errorsPath.toStdString();
    posix_spawn_file_actions_addopen(&actions, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    pid_t pid = 0;
    const Clock::time_point start = Clock::now();
    const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
    ::close(pipeFds[1]);
    ProbeReport report;
    if (spawned == 0) report = ReadProbe(pipeFds[0]);
    const Clock::time_point shownAt = Clock::now();
    state.SetIterationTime(Seconds(shownAt - start));
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeFds[0]);
    if (spawned != 0) {
      state.SkipWithError(("cannot start " + program + ": " + std::strerror(spawned)).c_str());
      break;
    }
    if (!report.problem.empty()) ::kill(pid, SIGKILL);  // our own child, by its id
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const Clock::time_point ended = Clock::now();
    if (report.problem.empty() && !(WIFEXITED(status) && WEXITSTATUS(status) == 0))
      report.problem = "the program did not end cleanly after quitting";
    if (!report.problem.empty()) {
      state.SkipWithError((report.problem + "; its errors: " + Head(errorsPath)).c_str());
      break;
    }
    if (report.probeNs)
      qappMs += (*report.probeNs - std::chrono::duration_cast<std::chrono::nanoseconds>(start.time_since_epoch()).count()) / 1e6;
    exitMs += Millis(ended - start);
  }
  state.counters["qapp_ms"] = benchmark::Counter(qappMs, benchmark::Counter::kAvgIterations);
  state.counters["exit_ms"] = benchmark::Counter(exitMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(ProgramStartToEntryFormShown)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The reminder's day stored as today, for this program and for `tavrin`
// (settings files are named after the executable), so neither asks.
bool SeedReminder() {
  if (!WriteSetting(QString::fromLatin1(kReminderKey), QDate::currentDate().toString(Qt::ISODate))) return false;
  const QString ours = SettingsFilePath();
  const QString theirs = QFileInfo(ours).dir().filePath(QStringLiteral("tavrin.ini"));
  QFile::remove(theirs);
  return QFile::copy(ours, theirs);
}

}  // namespace
}  // namespace tavrin::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Settings and the lock in folders of this run; the started program
  // inherits them.
  QTemporaryDir config, runtime;
  if (!config.isValid() || !runtime.isValid()) {
    std::fprintf(stderr, "no temporary folder\n");
    return 1;
  }
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());

  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // window swaps must not end the run
  // As StartUp does in the program: every window then carries the icon, which
  // on X is sent to the server with each new window and costs time there.
  QApplication::setWindowIcon(tavrin::AppIcon());
  if (!tavrin::bench::SeedReminder()) {
    std::fprintf(stderr, "cannot store the reminder's day in %s\n", qPrintable(config.path()));
    return 1;
  }
  benchmark::AddCustomContext("qt_platform", QGuiApplication::platformName().toStdString());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
