// Entry point. Headless commands get a core application only, so they run without a display.
#include "app/CommandLine.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = ParseCommandLine(arguments);
    if (command.action != CommandLine::Action::StartGui) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("Tavrin");
        return RunHeadless(command, TAVRIN_VERSION);
    }
    // The main window is not built yet: say what the program can do today.
    QCoreApplication app(argc, argv);
    std::fputs(UsageText().c_str(), stdout);
    return 0;
}
