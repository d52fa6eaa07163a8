// What both printed reports share: font, margins and the print job's name.
#pragma once

namespace tome {

constexpr char ReportFontFace[] = "MS Sans Serif";
constexpr char ReportJobName[] = "Tomecase";
constexpr double ReportLeftMargin = 0.75;
constexpr double ReportRightMargin = 0.5;
constexpr double ReportTopMargin = 0.5;
constexpr double ReportBottomMargin = 0.5;

}  // namespace tome
