// The main of every test program: a Qt application object (a widget application on the
// offscreen platform for GUI tests), per-user settings in a scratch folder so that a test run
// never reads or changes the user's own settings, the build tree's places in TAVRIN_TEMPLATE_DIR
// and TAVRIN_BINARY_DIR (unless already set), then GoogleTest.
#include "platform/Settings.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#ifdef TAVRIN_TEST_GUI
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("TAVRIN_TEMPLATE_DIR"))
        qputenv("TAVRIN_TEMPLATE_DIR", TAVRIN_TEST_TEMPLATE_DIR);
    if (qEnvironmentVariableIsEmpty("TAVRIN_BINARY_DIR"))
        qputenv("TAVRIN_BINARY_DIR", TAVRIN_TEST_BINARY_DIR);
#ifdef TAVRIN_TEST_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
    TestApplication::setApplicationName("Tavrin");
    QTemporaryDir settingsFolder;
    UseSettingsFolder(settingsFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
