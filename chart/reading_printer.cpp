#include "chart/reading_printer.h"

#include <QBuffer>
#include <QDeadlineTimer>
#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTextDocument>

#include "reading/atomic_file.h"
#include "shell/app_text.h"

namespace tavrin {

namespace {

QByteArray AsPdf(const QTextDocument& document) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(QString::fromLatin1(kApplicationTitle));
  document.print(&pdf);  // ends the painting, which writes the whole PDF
  return bytes;
}

// lp's words when there is no default printer, or no print server to ask.
constexpr char kNoDefaultPrinter[] = "No default destination";

}  // namespace

PrintOutcome PrintOnDefaultPrinter(const QTextDocument& document) {
  const QString lpProgram = QStandardPaths::findExecutable(QStringLiteral("lp"));
  if (lpProgram.isEmpty()) return {PrintOutcome::Kind::NoPrinter, {}};

  const QByteArray pdf = AsPdf(document);
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

QString SaveAsPdf(const QTextDocument& document, const QString& path) {
  const QByteArray pdf = AsPdf(document);
  const auto failure =
      WriteFileAtomically(QFile::encodeName(path).toStdString(), {pdf.constData(), static_cast<std::size_t>(pdf.size())});
  return failure ? QString::fromLocal8Bit(failure->c_str()) : QString();
}

}  // namespace tavrin
