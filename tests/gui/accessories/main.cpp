// The accessory windows' tests: one program, one group of tests per window.
#include <QApplication>

#include "test_groups.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failures = 0;
    for (auto run : {accessories_test::RunAboutDialogTests, accessories_test::RunArtworkTests,
                     accessories_test::RunHelpPagesTests, accessories_test::RunSplashWindowTests,
                     accessories_test::RunSystemInfoTests, accessories_test::RunTipsDialogTests}) {
        failures += run(argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
