#include <QApplication>

#include <gtest/gtest.h>

// Qt WebEngine's own code frees some objects through a base of another size, which
// AddressSanitizer reports as a type mismatch in the sanitizer run; that check is left to the
// other test programs, which hold no engine.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}

// One application for the whole test program, made as the program makes it for the engine.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
