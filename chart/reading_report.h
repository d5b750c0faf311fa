#pragma once

#include <array>
#include <string>

#include <QColor>
#include <QString>

#include "engine/chart.h"

class QTextEdit;

namespace tavrin {

// Colours of the reading: headings, paragraphs and cells in dark cyan, the
// footer lines in dark blue.
inline const QColor kReportBodyColour(0, 128, 128);
inline const QColor kReportFooterColour(0, 0, 128);

// The line closing each pillar's section: the maker's address.
QString ReportFooter();

// Writes the reading of one chart into `box`, replacing what it held: for the
// year, month, day and hour pillar in turn a bold heading, the pillar's
// explanation paragraph, its non-empty cells one per line, and the footer.
// `paragraphs` are the explanations in that order (year first). Only bold and
// colour are set; the box's own font is kept.
void ComposeReadingReport(QTextEdit& box, const std::array<std::string, kPillarCellCount>& cells,
                          const std::array<QString, 4>& paragraphs);

}  // namespace tavrin
