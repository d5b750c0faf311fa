#include "chart/reading_printer.h"

#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "chart/safe_save.h"
#include "shell/app_text.h"

namespace tavrin {

bool PrintOnDefaultPrinter(const QTextDocument& document) {
  const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
  if (printerInfo.isNull()) return false;
  QPrinter printer(printerInfo, QPrinter::HighResolution);
  printer.setDocName(QString::fromLatin1(kApplicationTitle));
  document.print(&printer);
  return true;
}

QString SaveAsPdf(const QTextDocument& document, const QString& path) {
  return SaveSafely(path, [&document](QIODevice& file) {
    QPdfWriter pdf(&file);
    pdf.setTitle(QString::fromLatin1(kApplicationTitle));
    document.print(&pdf);  // ends the painting, which writes the whole PDF
  });
}

}  // namespace tavrin
