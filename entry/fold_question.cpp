#include "entry/fold_question.h"

#include <string>

#include <QMessageBox>
#include <QPushButton>

#include "shell/app_text.h"

namespace tavrin {

std::optional<place::Fold> AskWhichFold(QWidget& parent, const place::ZoneTimeProblem& problem) {
  std::string question = problem.message;
  const std::string ending = "; " + std::string(place::kSayWhich);
  if (question.ends_with(ending)) question.resize(question.size() - ending.size());
  question += ".\nWhich one was the birth?";
  QMessageBox box(QMessageBox::Question, kApplicationTitle, QString::fromStdString(question), QMessageBox::NoButton,
                  &parent);
  box.setObjectName(QStringLiteral("msgWhichFold"));
  QPushButton* earlier = box.addButton(
      QStringLiteral("&Earlier, ") + QString::fromStdString(place::DescribeOffset(problem.before)),
      QMessageBox::AcceptRole);
  earlier->setObjectName(QStringLiteral("cmdEarlier"));
  QPushButton* later = box.addButton(
      QStringLiteral("&Later, ") + QString::fromStdString(place::DescribeOffset(problem.after)),
      QMessageBox::AcceptRole);
  later->setObjectName(QStringLiteral("cmdLater"));
  box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(earlier);
  box.exec();
  if (box.clickedButton() == earlier) return place::Fold::earlier;
  if (box.clickedButton() == later) return place::Fold::later;
  return std::nullopt;
}

}  // namespace tavrin
