#include "check_report.h"

#include "picture_roles.h"

std::string FormatReport(const std::vector<SkinProblem>& problems)
{
    std::string report;
    for (const SkinProblem& problem : problems)
        report += "  " + std::to_string(problem.nID) + " (" + PictureRole(problem.nID) + "): " + problem.what + "\n";
    if (problems.empty()) {
        report += "The skin shows a complete menu: all " + std::to_string(PicturesTheMenuLoads().size()) +
                  " pictures are there and decode, the buttons fit the background, the battery's digits fit "
                  "its face.\n";
    } else {
        report += "The skin would not show a complete menu: " + std::to_string(problems.size()) +
                  (problems.size() == 1 ? " problem" : " problems") + ".\n";
    }
    return report;
}
