#include "shell/frmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/images.h"
#include "shell/link_captions.h"
#include "shell/link_label.h"
#include "shell/main_form.h"
#include "shell/page_address.h"
#include "shell/twips.h"

namespace {

constexpr const char* kAboutText =
    "Chinese Astrology has innumerable branches and the Feng Shui Four Pillars of Destiny or Ba Zi is one of "
    "them. Tavrin helps one to have an overview of a person's life and advise him on what action to take during "
    "various phases of their life. The program also tells you about some of the most important aspects of your "
    "life like your relationship with others, your career and your health."
    " Copyright \u00A9 2026 the Tavrin developers; all rights reserved.";

constexpr const char* kBusinessText =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website.";

QLabel* MakeLabel(const char* objectName, const QString& text, const QRect& place, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(tavrin::AppFont());
  label->setGeometry(place);
  return label;
}

tavrin::LinkLabel* MakeLink(const char* objectName, const std::string& caption, const char* pageKey,
                            const QRect& place, QWidget* parent) {
  auto* link = new tavrin::LinkLabel(QString::fromLatin1(objectName), QString::fromStdString(caption), pageKey, parent);
  link->SetLinkColour(tavrin::kAboutLinkGreen);
  link->setGeometry(place);
  return link;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
  using tavrin::TwipRect;
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QString::fromLatin1(tavrin::kWindowCaption));
  setModal(true);
  setFont(tavrin::AppFont());

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setGeometry(TwipRect(120, 120, 480, 480));
  picIcon->setPixmap(tavrin::AppIcon().pixmap(picIcon->size()));

  Label2 = MakeLabel("Label2", QString::fromLatin1(tavrin::kWindowCaption), TwipRect(840, 45, 4140, 345), this);
  Label2->setFont(tavrin::AppFont(12, true));
  Label1 = MakeLabel("Label1", QString::fromUtf8(kAboutText), TwipRect(840, 390, 6165, 1455), this);
  lblHomePage = MakeLink("lblHomePage", tavrin::AboutHomePageCaption(), tavrin::kHomePage,
                         TwipRect(2955, 1845, 4050, 195), this);

  Line2 = new QFrame(this);
  Line2->setObjectName(QStringLiteral("Line2"));
  Line2->setFrameShape(QFrame::HLine);
  Line2->setFrameShadow(QFrame::Sunken);
  Line2->setGeometry(TwipRect(120, 2130, 6885, 30));

  Label3 = MakeLabel("Label3", QString::fromLatin1(kBusinessText), TwipRect(120, 2280, 6885, 435), this);
  lblCobrand = MakeLink("lblCobrand", tavrin::kAboutDetailsCaption, tavrin::kFullyBrandedPage,
                        TwipRect(4710, 2715, 2295, 195), this);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setGeometry(TwipRect(5745, 3120, 1260, 345));
  cmdOK->setDefault(true);  // Enter; Esc closes a dialog as its cancel button would

  connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

  tavrin::FixAndCentre(*this, tavrin::TwipSize(7125, 3585));
}

void frmAbout::cmdOK_Click() { accept(); }
