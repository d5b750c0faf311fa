// Loaded into the real program by the start-up benchmark, through
// QT_PLUGIN_PATH and QT_QPA_GENERIC_PLUGINS=tavrinshown. Qt creates it while
// the QApplication is being built, after the platform plugin. It writes
// milestones, each with the CLOCK_MONOTONIC time in nanoseconds, to the file
// descriptor named by TAVRIN_BENCH_SHOWN_FD:
//   probe <ns>                   the probe exists (the QApplication is nearly built)
//   shown <ns>                   the entry form has been painted once
//   dialog <ns> <class> <name>   a dialog or message box appeared first
// and then asks the program to quit, so that a run ends by itself.
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGenericPlugin>
#include <QMetaObject>
#include <QWidget>
#include <ctime>
#include <string>

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

class ShownProbe : public QObject {
 public:
  ShownProbe() : fd_(qEnvironmentVariableIntValue("TAVRIN_BENCH_SHOWN_FD")) {
    Write("probe " + std::to_string(MonotonicNs()));
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (done_ || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (!widget->isWindow()) return false;
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(widget)) {
      // Nothing answers it here; the benchmark reports it and ends the run.
      Finish("dialog " + std::to_string(MonotonicNs()) + ' ' + widget->metaObject()->className() + ' ' +
             widget->objectName().toStdString());
    } else if (event->type() == QEvent::Paint && widget->inherits("frmMain")) {
      // The paint is about to happen; the milestone is taken once it and the
      // flush to the window are over, back in the event loop.
      done_ = true;
      QMetaObject::invokeMethod(this, [this] { Finish("shown " + std::to_string(MonotonicNs())); },
                                Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void Write(const std::string& line) {
    const std::string text = line + '\n';
    if (fd_ > 0) (void)!::write(fd_, text.data(), text.size());
  }

  void Finish(const std::string& line) {
    done_ = true;
    Write(line);
    if (fd_ > 0) ::close(fd_);
    fd_ = -1;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }

  int fd_;
  bool done_ = false;
};

}  // namespace

class ShownProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "shown_probe.json")
 public:
  QObject* create(const QString&, const QString&) override { return new ShownProbe; }
};

#include "shown_probe.moc"
