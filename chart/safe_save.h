#pragma once

#include <functional>

#include <QString>

class QIODevice;

namespace tavrin {

// Saves a file so that a failure never leaves it half-written or emptied:
// `write` fills a temporary file beside `path`, which takes the place of
// `path` only once everything is written. Returns why saving failed, or an
// empty string when the file was saved.
QString SaveSafely(const QString& path, const std::function<void(QIODevice&)>& write);

}  // namespace tavrin
