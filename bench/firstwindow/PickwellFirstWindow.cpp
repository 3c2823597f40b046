#include "FirstExpose.h"

#include "ui/WindowMode.h"

namespace {

void WatchForFirstExpose() {
    FirstExpose::Install();
}

} // namespace

// The program's own window mode, unchanged, ended at its main window's first frame.
Q_COREAPP_STARTUP_FUNCTION(WatchForFirstExpose)

int main(int argc, char* argv[]) {
    return pickwell::RunWindowMode(argc, argv);
}
