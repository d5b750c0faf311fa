#include "chart/safe_save.h"

#include <QSaveFile>

namespace tavrin {

QString SaveSafely(const QString& path, const std::function<void(QIODevice&)>& write) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  write(file);
  // commit() overlooks a failure to write out the last buffered bytes (a full
  // disk shows up just there), so they are flushed and checked first. Either
  // way a failure discards the temporary file and leaves `path` as it was.
  if (!file.flush()) return file.errorString();
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace tavrin
