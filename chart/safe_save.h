#pragma once

#include <QByteArray>
#include <QString>

namespace tavrin {

// Saves `bytes` as the file `path` so that a failure never leaves it
// half-written or emptied: they fill a temporary file beside `path`, which
// takes the place of `path` only once every byte is written. Replaces only a
// regular file (or one a link points to). Returns why saving failed, or an
// empty string when the file was saved.
QString SaveSafely(const QString& path, const QByteArray& bytes);

}  // namespace tavrin
