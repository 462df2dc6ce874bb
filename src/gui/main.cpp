// reeldeck: the desktop program.
#include "gui/application.h"

int main(int argc, char** argv) {
    return gui::RunApplication(argc, argv);
}
