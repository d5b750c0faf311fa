#pragma once

#include <QPointer>
#include <QWidget>

namespace tavrin {

// A form is a single instance: created on first use, destroyed when closed,
// and created again from its defaults the next time it is needed.
template <typename Form>
class FormInstance {
 public:
  // The instance, created (not shown) if there is none.
  static Form& Get() {
    if (!instance_) {
      instance_ = new Form();
      instance_->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *instance_;
  }
  // The instance if one exists, else nullptr.
  static Form* Existing() { return instance_.data(); }

 private:
  static inline QPointer<Form> instance_;
};

}  // namespace tavrin
