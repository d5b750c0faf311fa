#include "chart/reading_printer.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QMessageBox>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

#include "reading/atomic_file.h"
#include "shell/app_text.h"
#include "shell/file_dialog.h"

namespace tavrin {

namespace {

QByteArray AsPdf(const PdfPages& pages) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(QString::fromLatin1(kApplicationTitle));
  pages(pdf);  // ends the painting, which writes the whole PDF
  return bytes;
}

// lp's words when there is no default printer, or no print server to ask.
constexpr char kNoDefaultPrinter[] = "No default destination";

}  // namespace

PdfPages DocumentPages(const QTextDocument& document) {
  return [&document](QPdfWriter& pdf) { document.print(&pdf); };
}

PrintOutcome PrintOnDefaultPrinter(const PdfPages& pages) {
  const QString lpProgram = QStandardPaths::findExecutable(QStringLiteral("lp"));
  if (lpProgram.isEmpty()) return {PrintOutcome::Kind::NoPrinter, {}};

  const QByteArray pdf = AsPdf(pages);
  const QDeadlineTimer deadline(kPrintWaitSeconds * 1000);
  QProcess lp;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // its messages are read below
  lp.setProcessEnvironment(environment);
  lp.setStandardOutputFile(QProcess::nullDevice());
  // With no file named, lp sends its standard input to the default printer.
  lp.start(lpProgram, {QStringLiteral("-t"), QString::fromLatin1(kApplicationTitle)});
  if (!lp.waitForStarted(deadline.remainingTime())) {
    return {PrintOutcome::Kind::Failed, QStringLiteral("lp did not start: ") + lp.errorString()};
  }
  lp.write(pdf);
  lp.closeWriteChannel();
  if (!lp.waitForFinished(deadline.remainingTime())) {
    lp.kill();
    lp.waitForFinished(1000);
    return {PrintOutcome::Kind::Failed,
            QStringLiteral("The print server did not answer within %1 seconds.").arg(kPrintWaitSeconds)};
  }
  if (lp.exitStatus() == QProcess::NormalExit && lp.exitCode() == 0) return {};
  const QString said = QString::fromLocal8Bit(lp.readAllStandardError()).simplified();
  if (said.contains(QLatin1String(kNoDefaultPrinter))) return {PrintOutcome::Kind::NoPrinter, {}};
  if (!said.isEmpty()) return {PrintOutcome::Kind::Failed, said};
  return {PrintOutcome::Kind::Failed, lp.exitStatus() == QProcess::NormalExit
                                          ? QStringLiteral("lp ended with status %1.").arg(lp.exitCode())
                                          : QStringLiteral("lp crashed.")};
}

QString SaveAsPdf(const PdfPages& pages, const QString& path) {
  const QByteArray pdf = AsPdf(pages);
  const auto failure =
      WriteFileAtomically(QFile::encodeName(path).toStdString(), {pdf.constData(), static_cast<std::size_t>(pdf.size())});
  return failure ? QString::fromLocal8Bit(failure->c_str()) : QString();
}

void PrintAndTell(QWidget& owner, const PdfPages& pages, const QString& notPrinted) {
  const PrintOutcome outcome = PrintOnDefaultPrinter(pages);
  const QString title = QString::fromLatin1(kApplicationTitle);
  switch (outcome.kind) {
    case PrintOutcome::Kind::Printed:
      break;
    case PrintOutcome::Kind::NoPrinter:
      QMessageBox::information(&owner, title, QStringLiteral("There is no printer to print to."));
      break;
    case PrintOutcome::Kind::Failed:
      QMessageBox::warning(&owner, title, notPrinted + QStringLiteral("\n\n") + outcome.reason);
      break;
  }
}

void SaveAsPdfAskingWhere(QWidget& owner, const PdfPages& pages, const QString& notSaved) {
  const QString path =
      AskFileName(owner, {FileDialogMode::Save, QString::fromLatin1(kApplicationTitle),
                          QStringLiteral("PDF Document (*.pdf)"), QStringLiteral("pdf")});
  if (path.isEmpty()) return;
  const QString failure = SaveAsPdf(pages, path);
  if (!failure.isEmpty()) ShowNotSaved(owner, notSaved, failure);
}

void ShowNotSaved(QWidget& owner, const QString& what, const QString& reason) {
  QMessageBox::warning(&owner, QString::fromLatin1(kApplicationTitle), what + QStringLiteral("\n\n") + reason);
}

}  // namespace tavrin
