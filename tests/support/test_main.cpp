// Main of every unit test program: the application object and the catalog
// exist as they do in the compiler.
#include "diag/diag.h"
#include "diag/ribbon.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    diag::registerCatalog();
    diag::initRibbon();
    return RUN_ALL_TESTS();
}
