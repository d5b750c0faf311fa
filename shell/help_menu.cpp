#include "shell/help_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "shell/frmAbout.h"
#include "shell/page_address.h"
#include "shell/web_page.h"

namespace tavrin {
namespace {

QAction* PageAction(QWidget& owner, const char* objectName, const char* caption, const char* pageKey) {
  auto* action = new QAction(QString::fromLatin1(caption), &owner);
  action->setObjectName(QString::fromLatin1(objectName));
  QObject::connect(action, &QAction::triggered, action, [pageKey] { OpenWebPage(pageKey); });
  return action;
}

void AddPageAction(QWidget& container, const char* objectName, const char* caption, const char* pageKey) {
  container.addAction(PageAction(container, objectName, caption, pageKey));
}

void AddSeparator(QMenu& menu, const char* objectName) {
  menu.addSeparator()->setObjectName(QString::fromLatin1(objectName));
}

}  // namespace

void AddHelpMenus(QMenuBar& bar, QWidget& owner) {
  QMenu* help = bar.addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  help->menuAction()->setObjectName(QStringLiteral("mnuHelpAction"));
  AddPageAction(*help, "mnuOnline", "&Online Help", kHelpPage);
  AddPageAction(*help, "mnuVisit", "&Visit Us Online", kHomePage);
  AddSeparator(*help, "mnuSep1");
  // The update check from the menu opens the page at once; the question
  // belongs to the start-up reminder only.
  AddPageAction(*help, "mnuUpdate", "Check for Software &Update", kDownloadPage);
  AddSeparator(*help, "mnuSep2");
  QAction* about = help->addAction(QStringLiteral("&About Software"));
  about->setObjectName(QStringLiteral("mnuAbout"));
  QObject::connect(about, &QAction::triggered, &owner, [&owner] {
    frmAbout box(&owner);
    box.exec();
  });

  AddPageAction(bar, "mnuDonate", "&Donate", kDonatePage);
  // The command is kept but hidden: nothing shows it at run time. It stays
  // off the bar, where even a hidden entry takes its access key (Alt+O) away
  // from the window's own controls.
  PageAction(bar, "mnuMakeMoney", "Make Money &Online", kFullyBrandedPage)->setVisible(false);
}

}  // namespace tavrin
