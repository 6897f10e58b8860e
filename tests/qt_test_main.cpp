// Entry of the widget tests: one QApplication for the whole run, offscreen unless told
// otherwise, in a home folder of its own, then every GoogleTest case.
#include <gtest/gtest.h>

#include <QApplication>

#include "tests/scratch_home.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the windows remember (the sound switch, the table's size, the statistics) goes to
    // a scratch home, never to the home of whoever runs the tests.
    const tazkova::testing::ScratchHome home;
    if (!home.IsValid()) return 1;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
