#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

// Window tests start modal windows with the real exec(); these helpers act on
// the modal window from inside its event loop.
namespace entry_test {

// Runs `action` on the next window of type Window that becomes the active
// modal widget, polling from the event loop. Stops on destruction, so a
// modal window that never opens leaves nothing pending.
template <typename Window>
class OnModal {
 public:
  explicit OnModal(std::function<void(Window&)> action) : action_(std::move(action)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
        timer_.stop();
        ++seen_;
        action_(*window);
      }
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
struct Message {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  int buttonCount = 0;
};

// Answers every message box that opens while it lives with its OK button,
// recording what each showed.
class MessageCatcher {
 public:
  MessageCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box->isHidden()) return;
      messages.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                          static_cast<int>(box->buttons().size())});
      if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
      } else {
        box->reject();
      }
    });
    timer_.start(5);
  }
  std::vector<Message> messages;

 private:
  QTimer timer_;
};

}  // namespace entry_test
