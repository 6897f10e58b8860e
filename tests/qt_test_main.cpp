// Entry of the widget tests: one QApplication for the whole run, offscreen unless told
// otherwise, in a home folder of its own, then every GoogleTest case.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the windows remember (the sound switch, the table's size, the statistics) goes to
    // a scratch home, never to the home of whoever runs the tests.
    const QTemporaryDir home;
    if (!home.isValid()) return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral(".local/share"))));
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(home.filePath(QStringLiteral("etc/xdg"))));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
