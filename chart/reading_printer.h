#pragma once

#include <QString>

class QTextDocument;

namespace tavrin {

// What became of a print: printed, no printer to print to, or a failure and
// its reason.
struct PrintOutcome {
  enum class Kind { Printed, NoPrinter, Failed };
  Kind kind = Kind::Printed;
  QString reason;
};

// How long printing may hold the window: finding the default printer and
// handing over the job together.
inline constexpr int kPrintWaitSeconds = 5;

// Prints the whole document with its formatting on the system's default
// printer, without a dialog, by handing it as a PDF to the print system's `lp`.
// Gives up after kPrintWaitSeconds, so a print server that never answers
// cannot freeze the window. What goes wrong at the printer afterwards is not
// reported back.
PrintOutcome PrintOnDefaultPrinter(const QTextDocument& document);

// Writes the whole document with its formatting as a PDF file at `path`, as
// WriteFileAtomically saves a file. Returns why it failed, or an empty string.
QString SaveAsPdf(const QTextDocument& document, const QString& path);

}  // namespace tavrin
