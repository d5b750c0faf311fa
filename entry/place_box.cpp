#include "entry/place_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QScrollBar>
#include <QStringListModel>

#include <algorithm>
#include <future>
#include <mutex>
#include <variant>

#include "place/place_search.h"

namespace tavrin {
namespace {

constexpr std::size_t kListedMatches = 12;

using LoadedPlaces = std::variant<place::PlaceCatalogue, std::string>;

std::shared_future<LoadedPlaces>& PlacesLoading() {
  static std::shared_future<LoadedPlaces> loading;
  return loading;
}

std::once_flag placesStarted;

}  // namespace

void StartLoadingPlaces() {
  std::call_once(placesStarted, [] {
    PlacesLoading() =
        std::async(std::launch::async, [] { return place::PlaceCatalogue::Load(place::kPlaceDataFolder); }).share();
  });
}

const place::PlaceCatalogue* Places() {
  StartLoadingPlaces();
  return std::get_if<place::PlaceCatalogue>(&PlacesLoading().get());
}

QString PlaceListText(const place::Place& place) {
  return QString::fromStdString(place::PlaceTitle(place)) + QStringLiteral(" (") +
         QString::fromUtf8(place.timeZone.data(), static_cast<qsizetype>(place.timeZone.size())) + QStringLiteral(")");
}

PlaceBox::PlaceBox(QWidget* parent) : QLineEdit(parent) {
  matches_ = new QStringListModel(this);
  completer_ = new QCompleter(matches_, this);
  completer_->setObjectName(QStringLiteral("placeCompleter"));
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setMaxVisibleItems(static_cast<int>(kListedMatches));
  completer_->setWidget(this);
  completer_->popup()->setObjectName(QStringLiteral("lstPlaces"));
  connect(this, &QLineEdit::textEdited, this, &PlaceBox::Search);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this, [this](const QModelIndex& index) {
    if (index.row() >= 0 && static_cast<std::size_t>(index.row()) < shown_.size()) Choose(shown_[index.row()]);
  });
  connect(this, &QLineEdit::returnPressed, this, [this] {
    if (chosen_ == nullptr && !completer_->popup()->isVisible()) {
      if (const place::Place* best = DominantMatch()) Choose(best);
    }
  });
}

void PlaceBox::Search(const QString& text) {
  if (chosen_ != nullptr) {
    chosen_ = nullptr;
    emit placeChosen(nullptr);
  }
  shown_.clear();
  QStringList rows;
  if (const place::PlaceCatalogue* catalogue = Places(); catalogue && !text.trimmed().isEmpty()) {
    shown_ = place::SearchPlaces(*catalogue, text.toStdString(), kListedMatches).places;
    for (const place::Place* place : shown_) rows << PlaceListText(*place);
  }
  matches_->setStringList(rows);
  if (rows.isEmpty()) {
    completer_->popup()->hide();
    return;
  }
  // The list is as wide as its longest row needs, the box's width at least.
  QAbstractItemView* list = completer_->popup();
  const int rowsWidth = list->sizeHintForColumn(0) + list->verticalScrollBar()->sizeHint().width() +
                        2 * list->frameWidth();
  completer_->complete(QRect(0, 0, std::max(width(), rowsWidth), height()));
}

const place::Place* PlaceBox::DominantMatch() const {
  const place::PlaceCatalogue* catalogue = Places();
  if (catalogue == nullptr || text().trimmed().isEmpty()) return nullptr;
  const place::PlaceMatches matches = place::SearchPlaces(*catalogue, text().toStdString(), 1);
  return matches.dominant ? matches.places.front() : nullptr;
}

void PlaceBox::Choose(const place::Place* place) {
  Show(place);
  emit placeChosen(place);
}

void PlaceBox::Show(const place::Place* place) {
  chosen_ = place;
  completer_->popup()->hide();
  setText(place ? QString::fromStdString(place::PlaceTitle(*place)) : QString());
  setCursorPosition(0);
}

}  // namespace tavrin
