#pragma once

#include <QString>

class QTextDocument;

namespace tavrin {

// Prints the whole document with its formatting on the system's default
// printer, without a dialog. Returns false when there is no printer to print
// to; what goes wrong at the printer itself is not reported back.
bool PrintOnDefaultPrinter(const QTextDocument& document);

// Writes the whole document with its formatting as a PDF file at `path`,
// saved safely (see SaveSafely). Returns why it failed, or an empty string.
QString SaveAsPdf(const QTextDocument& document, const QString& path);

}  // namespace tavrin
