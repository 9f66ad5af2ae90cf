// vorne-report: the report of a harness run.
#include "diag/diag.h"
#include "report/report.h"

#include <QCoreApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    // The translations come with an installation; without one the messages
    // are in English.
    const char* installation = std::getenv("MORVIKDIR");
    if (installation && *installation) diag::installTranslators();
    diag::registerCatalog();
    return report::runReport(std::vector<std::string>(argv + 1, argv + argc));
}
