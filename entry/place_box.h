#pragma once

#include <QLineEdit>

#include <vector>

#include "place/place_catalogue.h"

class QCompleter;
class QStringListModel;

namespace tavrin {

// The system's place catalogue, read once on a thread of its own from the
// first call on, so that the entry form appears without waiting for it. Places()
// waits for the reading; it is nullptr when the catalogue cannot be read.
void StartLoadingPlaces();
const place::PlaceCatalogue* Places();

// A search box for the birth place: as the user types, a list of the best
// matches drops down (arrows move through it, Enter or a click chooses);
// Enter on the text alone chooses the best match when it clearly dominates.
// Changing the text of a chosen place, or clearing it, gives the place up.
class PlaceBox : public QLineEdit {
  Q_OBJECT
 public:
  explicit PlaceBox(QWidget* parent = nullptr);

  const place::Place* Chosen() const { return chosen_; }
  // Shows `place` as chosen (nullptr: none, with an empty box) without a signal.
  void Show(const place::Place* place);
  // The best match of the text when it clearly dominates, else nullptr.
  const place::Place* DominantMatch() const;

 signals:
  void placeChosen(const tavrin::place::Place* place);  // nullptr when the place was given up

 private:
  void Search(const QString& text);
  void Choose(const place::Place* place);

  QCompleter* completer_;
  QStringListModel* matches_;
  std::vector<const place::Place*> shown_;  // the rows of `matches_`
  const place::Place* chosen_ = nullptr;
};

// "Shanghai, China (Asia/Shanghai)": a place as the list shows it.
QString PlaceListText(const place::Place& place);

}  // namespace tavrin
