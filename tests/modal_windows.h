#pragma once

#include <functional>
#include <utility>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

// Window tests start modal windows with the real exec(); these helpers act on
// the modal window from inside its event loop.
namespace tavrin::testing {

// Runs `action` once on the first window of type Window that becomes the
// active modal widget while this object lives.
template <typename Window>
class WhenModal {
 public:
  explicit WhenModal(std::function<void(Window&)> action) : action_(std::move(action)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
      if (window == nullptr || !window->isVisible()) return;
      timer_.stop();
      ++seen_;
      action_(*window);
    });
    timer_.start(5);
  }
  int seen() const { return seen_; }

 private:
  std::function<void(Window&)> action_;
  QTimer timer_;
  int seen_ = 0;
};

// What a message box showed.
struct ShownMessage {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  int buttonCount = 0;
};

// Answers every message box that opens while it lives by pressing `answer`,
// and records what each showed.
class MessageAnswerer {
 public:
  explicit MessageAnswerer(QMessageBox::StandardButton answer = QMessageBox::Ok) {
    QObject::connect(&timer_, &QTimer::timeout, [this, answer] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isVisible()) return;
      shown.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                       static_cast<int>(box->buttons().size())});
      if (QAbstractButton* button = box->button(answer)) {
        button->click();
      } else {
        box->reject();
      }
    });
    timer_.start(5);
  }
  std::vector<ShownMessage> shown;

 private:
  QTimer timer_;
};

}  // namespace tavrin::testing
