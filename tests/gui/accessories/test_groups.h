#pragma once

// The groups of tests of this program; main() runs them all. Each returns QTest::qExec's result.
namespace accessories_test {

int RunAboutDialogTests(int argc, char** argv);
int RunArtworkTests(int argc, char** argv);
int RunHelpPagesTests(int argc, char** argv);
int RunSplashWindowTests(int argc, char** argv);
int RunSystemInfoTests(int argc, char** argv);
int RunTipsDialogTests(int argc, char** argv);

}  // namespace accessories_test
