// Entry point. Headless commands get a core application only, so they run without a display;
// everything else starts the desktop program.
#include "app/CommandLine.h"
#include "app/DovaneApp.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const CommandLine command = ParseCommandLine(arguments);
    const bool desktop = command.action == CommandLine::Action::StartGui ||
                         command.action == CommandLine::Action::Print;
    if (!desktop) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName("Tavrin");
        return RunHeadless(command, TAVRIN_VERSION);
    }
    // A print request ends here, before any window or display is needed.
    if (command.action == CommandLine::Action::Print)
        return 0;
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brennick");
    QApplication::setApplicationName("Tavrin");
    QApplication::setApplicationVersion(TAVRIN_VERSION);
    CDovaneApp tavrin;
    if (!tavrin.InitInstance(command))
        return 0;
    return app.exec();
}
