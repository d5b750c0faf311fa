#include "entry/open_reading_file.h"

#include <QFile>

#include <filesystem>
#include <fstream>
#include <ios>
#include <system_error>

namespace tavrin {

bool HasReadingName(const QString& path) { return path.endsWith(QLatin1String("baz"), Qt::CaseSensitive); }

std::optional<ReadingSlots> LoadReading(const QString& path) {
  const std::filesystem::path file(QFile::encodeName(path).toStdString());
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  // The stream buffer reports a failed read (the file vanished from under an
  // open handle, a disk error) by throwing.
  try {
    return ReadReading(in);
  } catch (const std::ios_base::failure&) {
    return std::nullopt;
  }
}

}  // namespace tavrin
