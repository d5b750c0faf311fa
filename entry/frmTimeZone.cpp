#include "entry/frmTimeZone.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "entry/frmMain.h"
#include "entry/time_zone_catalogue.h"
#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/form_instance.h"
#include "shell/main_form.h"
#include "shell/twips.h"

namespace {
constexpr int kWidth = 5010;
constexpr int kHeight = 4500;
constexpr int kQuitHeight = 375;
}  // namespace

frmTimeZone::frmTimeZone(QWidget* parent)
    : QDialog(parent), lstTimeZone(new QListWidget(this)), cmdQuit(new QPushButton(QStringLiteral("&Quit"), this)) {
  setObjectName(QStringLiteral("frmTimeZone"));
  setWindowTitle(tavrin::kWindowCaption);
  setFont(tavrin::AppFont());

  lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
  lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
  lstTimeZone->setFont(tavrin::AppFont(8.25, true));
  QPalette colours = lstTimeZone->palette();
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Text, Qt::black);
  lstTimeZone->setPalette(colours);
  lstTimeZone->setGeometry(tavrin::TwipRect(0, 0, kWidth, kHeight - kQuitHeight));

  cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
  cmdQuit->setFont(tavrin::AppFont(8.25, true));
  cmdQuit->setGeometry(tavrin::TwipRect(0, kHeight - kQuitHeight, kWidth, kQuitHeight));
  // Enter and Esc both press Quit: the default button takes Enter (the list
  // passes it on), and a dialog's Esc rejects, which is what Quit does.
  cmdQuit->setDefault(true);

  setTabOrder(lstTimeZone, cmdQuit);
  lstTimeZone->setFocus();

  // A double-click anywhere in the list counts, on a row or not; the
  // handler looks at the selection, as a click has just made it.
  lstTimeZone->viewport()->installEventFilter(this);
  connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);

  Form_Load();
  tavrin::FixAndCentre(*this, tavrin::TwipSize(kWidth, kHeight));
}

void frmTimeZone::Form_Load() {
  for (const tavrin::TimeZoneRow& row : tavrin::TimeZoneCatalogue) {
    lstTimeZone->addItem(QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
  }
  lstTimeZone->setCurrentRow(-1);
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    lstTimeZone_DblClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void frmTimeZone::lstTimeZone_DblClick() {
  frmMain& form = tavrin::FormInstance<frmMain>::Get();
  const QList<QListWidgetItem*> chosen = lstTimeZone->selectedItems();
  if (!chosen.isEmpty()) {
    // The row's position selects its values; its text is never read.
    const tavrin::TimeZoneRow& row = tavrin::TimeZoneCatalogue.at(static_cast<std::size_t>(lstTimeZone->row(chosen.first())));
    form.lblZoneHour->setText(QString::number(row.hours));
    form.lblZoneMinute->setText(QString::number(row.minutes));
  }
  close();
}

void frmTimeZone::cmdQuit_Click() { close(); }
