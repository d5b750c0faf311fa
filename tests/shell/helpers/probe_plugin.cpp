// Watches the program it is loaded into. Every top-level window that becomes
// visible is reported once, as a tab-separated line appended to the file
// named by TAVRIN_PROBE_REPORT:
//   window      <object name>  <class name>  <title>
//   messagebox  <object name>  <title>  <text>  <icon>  <standard buttons>
// (CR, LF and tab in texts written as \r, \n, \t). A message box is then
// answered with the button named by TAVRIN_PROBE_ANSWER (yes, no or ok),
// else with its default button, else with its only or first one.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPushButton>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWidget>

namespace {

QString Escaped(QString text) {
  return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
      .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
      .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
      .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
}

class Probe : public QObject {
 public:
  Probe()
      : report_(qEnvironmentVariable("TAVRIN_PROBE_REPORT")),
        answer_(qEnvironmentVariable("TAVRIN_PROBE_ANSWER").toLower()) {
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &Probe::Look);
    timer->start(20);
  }

 private:
  void Look() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible() || seen_.contains(window)) continue;
      seen_.insert(window);
      connect(window, &QObject::destroyed, this, [this, window] { seen_.remove(window); });
      if (auto* box = qobject_cast<QMessageBox*>(window)) {
        Write({QStringLiteral("messagebox"), box->objectName(), box->windowTitle(), box->text(),
               QString::number(box->icon()), QString::number(box->standardButtons().toInt())});
        QTimer::singleShot(0, box, [this, box] { Answer(*box); });
      } else {
        Write({QStringLiteral("window"), window->objectName(), QString::fromLatin1(window->metaObject()->className()),
               window->windowTitle()});
      }
    }
  }

  void Answer(QMessageBox& box) {
    const QMessageBox::StandardButton wanted = answer_ == QLatin1String("yes")  ? QMessageBox::Yes
                                               : answer_ == QLatin1String("no") ? QMessageBox::No
                                               : answer_ == QLatin1String("ok") ? QMessageBox::Ok
                                                                                : QMessageBox::NoButton;
    QAbstractButton* button = wanted != QMessageBox::NoButton ? box.button(wanted) : nullptr;
    if (!button) button = box.defaultButton();
    if (!button) button = box.buttons().value(0);
    if (button) button->click();
  }

  void Write(const QStringList& fields) {
    QStringList escaped;
    for (const QString& field : fields) escaped << Escaped(field);
    QFile file(report_);
    if (file.open(QIODevice::Append | QIODevice::Text)) file.write((escaped.join(QLatin1Char('\t')) + '\n').toUtf8());
  }

  QString report_;
  QString answer_;
  QSet<QWidget*> seen_;
};

}  // namespace

class ProbePlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")
 public:
  QObject* create(const QString&, const QString&) override { return new Probe; }
};

#include "probe_plugin.moc"
