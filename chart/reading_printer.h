#pragma once

#include <functional>

#include <QString>

class QPdfWriter;
class QTextDocument;
class QWidget;

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

// Draws a sheet's pages on the PDF writer it is handed.
using PdfPages = std::function<void(QPdfWriter&)>;

// The whole document with its formatting, as pages of a PDF.
PdfPages DocumentPages(const QTextDocument& document);

// Prints the pages on the system's default printer, without a dialog, by
// handing them as a PDF to the print system's `lp`. Gives up after
// kPrintWaitSeconds, so a print server that never answers cannot freeze the
// window. What goes wrong at the printer afterwards is not reported back.
PrintOutcome PrintOnDefaultPrinter(const PdfPages& pages);

// Writes the pages as a PDF file at `path`, as WriteFileAtomically saves a
// file. Returns why it failed, or an empty string.
QString SaveAsPdf(const PdfPages& pages, const QString& path);

// The Print button of a window: prints the pages and says, modal over
// `owner`, when there is no printer or `notPrinted` and why.
void PrintAndTell(QWidget& owner, const PdfPages& pages, const QString& notPrinted);

// The Save as PDF button of a window: asks for the file name and saves the
// pages there, saying `notSaved` and why when that fails.
void SaveAsPdfAskingWhere(QWidget& owner, const PdfPages& pages, const QString& notSaved);

// The warning a window shows when a file was not saved: what, and why.
void ShowNotSaved(QWidget& owner, const QString& what, const QString& reason);

}  // namespace tavrin
