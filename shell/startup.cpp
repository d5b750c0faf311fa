#include "shell/startup.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include "shell/app_text.h"
#include "shell/images.h"
#include "shell/instance_lock.h"
#include "shell/update_reminder.h"

namespace tavrin {

void ShowAlreadyRunning() {
  QMessageBox box(QMessageBox::Information, QString::fromLatin1(kApplicationTitle),
                  QStringLiteral("Application is already running"), QMessageBox::Ok);
  box.setObjectName(QStringLiteral("msgAlreadyRunning"));
  box.exec();
}

void RaiseFrontFrameLabel(FrontFrameLabel front, QWidget& cobrand, QWidget& fullBrand) {
  (front == FrontFrameLabel::Cobrand ? cobrand : fullBrand).raise();
}

bool StartUp(InstanceLock& lock, const std::function<void(FrontFrameLabel front)>& showEntryForm) {
  QApplication::setWindowIcon(AppIcon());
  QGuiApplication::setDesktopFileName(QStringLiteral("tavrin"));
  if (!lock.TryLock()) {
    ShowAlreadyRunning();
    return false;
  }
  SeedRandomFromClock();
  UpdateReminder();
  showEntryForm(DrawFrontFrameLabel());
  return true;
}

}  // namespace tavrin
