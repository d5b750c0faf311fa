// The program's start-up around an empty main window that stands in for the
// entry form, so the single-instance and reminder behaviour can be tested
// as a separate process before the entry form exists.
#include <QApplication>

#include "shell/app_text.h"
#include "shell/form_instance.h"
#include "shell/instance_lock.h"
#include "shell/main_form.h"
#include "shell/startup.h"

class StandInEntryForm : public tavrin::MainForm {
 public:
  StandInEntryForm() {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(tavrin::kWindowCaption));
  }
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  tavrin::InstanceLock lock;
  if (!tavrin::StartUp(lock, [](tavrin::FrontFrameLabel) { tavrin::FormInstance<StandInEntryForm>::Get().show(); }))
    return 0;
  return QApplication::exec();
}
