#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

// Reading a PDF the program wrote with poppler-utils' tools.
namespace tavrin::testing {

inline bool HavePdfToText() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

// What `tool` (pdftotext, pdfinfo, pdffonts) says of the PDF at `path`, or
// nothing when it cannot read it (yet).
inline QString PdfToolOutput(const QString& tool, const QString& path) {
  QProcess process;
  process.start(tool, tool == QLatin1String("pdftotext") ? QStringList{path, QStringLiteral("-")} : QStringList{path});
  if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of a PDF file with its white space made single.
inline QString PdfText(const QString& path) {
  return PdfToolOutput(QStringLiteral("pdftotext"), path).simplified();
}

}  // namespace tavrin::testing
