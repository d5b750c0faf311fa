#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include <optional>

#include "entry/time_zone_catalogue.h"

class QKeyEvent;
class QListWidget;
class QPushButton;

// The time-zone picker: a double-click on a zone, or Space on the highlighted
// one, chooses it and closes the picker; Enter, Esc and Quit close it without
// a choice. Shown modally and created anew at every opening; after exec() the
// caller reads the choice from ChosenZone().
class frmTimeZone : public QDialog {
  Q_OBJECT
 public:
  explicit frmTimeZone(QWidget* parent = nullptr);

  QListWidget* lstTimeZone;
  QPushButton* cmdQuit;

  // The zone chosen, or nothing when the picker closed without a choice.
  std::optional<tavrin::TimeZoneRow> ChosenZone() const { return chosen_; }

  void lstTimeZone_DblClick();
  void cmdQuit_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
  bool FilterListMouse(const QEvent& event);
  bool FilterListKey(const QKeyEvent& key);

  std::optional<tavrin::TimeZoneRow> chosen_;
  // Whether the list has had a press since the picker was shown. A
  // double-click whose first press it never had began before the picker was
  // shown (on the link that opened it); that click, up to its release, is
  // kept from the list.
  bool listPressed_ = false;
  bool ignoringClick_ = false;
  // When a character was last typed into the list's search.
  QElapsedTimer lastTyped_;
};
