// The main of every test program: a Qt application object (a widget application on the
// offscreen platform for GUI tests), per-user settings in a scratch folder so that a test run
// never reads or changes the user's own settings, the build's folders in the environment
// (TAVRIN_BINARY_DIR, TAVRIN_TEMPLATE_DIR), then GoogleTest.
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

namespace {
void SetDefaultEnvironment(const char* name, const char* value)
{
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}
}  // namespace

int main(int argc, char** argv)
{
    SetDefaultEnvironment("TAVRIN_BINARY_DIR", TAVRIN_BUILD_ROOT);
    SetDefaultEnvironment("TAVRIN_TEMPLATE_DIR", TAVRIN_BUILD_TEMPLATE_DIR);
#ifdef TAVRIN_TEST_GUI
    SetDefaultEnvironment("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
    TestApplication::setApplicationName("Tavrin");
    QTemporaryDir settingsFolder;
    UseSettingsFolder(settingsFolder.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
