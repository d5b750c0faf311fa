#include "entry/frmTimeZone.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/main_form.h"
#include "shell/twips.h"

namespace {
constexpr int kWidth = 5010;
constexpr int kHeight = 4500;
constexpr int kQuitHeight = 375;
constexpr const char* kListTip =
    "Double-click a zone to use it, or highlight it with the arrow keys or by typing its name, then press Space.\n"
    "Enter, Esc and Quit close the list without a choice.";
}  // namespace

frmTimeZone::frmTimeZone(QWidget* parent)
    : QDialog(parent), lstTimeZone(new QListWidget(this)), cmdQuit(new QPushButton(QStringLiteral("&Quit"), this)) {
  setObjectName(QStringLiteral("frmTimeZone"));
  setWindowTitle(tavrin::kWindowCaption);
  setFont(tavrin::AppFont());

  lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
  lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
  lstTimeZone->setFont(tavrin::AppFont(8.25, true));
  lstTimeZone->setToolTip(QString::fromLatin1(kListTip));
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
  // handler looks at the selection, as a click has just made it. Space on
  // the list does what a double-click does.
  lstTimeZone->viewport()->installEventFilter(this);
  lstTimeZone->installEventFilter(this);
  connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);

  Form_Load();
  tavrin::FixAndCentre(*this, tavrin::TwipSize(kWidth, kHeight));
}

void frmTimeZone::Form_Load() {
  for (const tavrin::TimeZoneRow& row : tavrin::TimeZoneCatalogue) {
    lstTimeZone->addItem(QString::fromUtf8(row.text.data(), static_cast<qsizetype>(row.text.size())));
  }
  // A list never told its current row makes the first row current when it
  // takes the focus; told "none", it keeps none until the user moves.
  lstTimeZone->setCurrentIndex(QModelIndex());
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lstTimeZone->viewport()) return FilterListMouse(*event);
  if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
    return FilterListKey(*static_cast<QKeyEvent*>(event));
  }
  return QDialog::eventFilter(watched, event);
}

// Space applies the highlighted zone, unless it goes on with a name being
// typed to find a zone ("south s"): the list's own search takes that one.
bool frmTimeZone::FilterListKey(const QKeyEvent& key) {
  const bool typingAName = lastTyped_.isValid() && lastTyped_.elapsed() < QApplication::keyboardInputInterval();
  if (key.key() == Qt::Key_Space && !typingAName) {
    lstTimeZone_DblClick();
    return true;
  }
  if (!key.text().isEmpty() && key.text().front().isPrint()) lastTyped_.start();
  return false;
}

bool frmTimeZone::FilterListMouse(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      listPressed_ = true;
      return false;
    case QEvent::MouseButtonDblClick:
      if (!listPressed_) {
        ignoringClick_ = true;
        return true;
      }
      if (static_cast<const QMouseEvent&>(event).button() != Qt::LeftButton) return false;
      lstTimeZone_DblClick();
      return true;
    case QEvent::MouseMove:
      return ignoringClick_;
    case QEvent::MouseButtonRelease:
      if (!ignoringClick_) return false;
      ignoringClick_ = false;
      return true;
    default:
      return false;
  }
}

void frmTimeZone::lstTimeZone_DblClick() {
  const QList<QListWidgetItem*> chosen = lstTimeZone->selectedItems();
  if (chosen.isEmpty()) {
    reject();
    return;
  }
  // The row's position selects its values; its text is never read.
  chosen_ = tavrin::TimeZoneCatalogue.at(static_cast<std::size_t>(lstTimeZone->row(chosen.first())));
  accept();
}

void frmTimeZone::cmdQuit_Click() { close(); }
