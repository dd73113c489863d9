#include "app/Commands.h"

#include <QCoreApplication>

#include <unordered_map>

namespace {

// "prompt\ntip" per command, as the status bar and the tool tips show them.
const std::unordered_map<int, const char*>& CommandStrings()
{
    static const std::unordered_map<int, const char*> strings{
        {1210, "Save as...\nSave as..."},
        {2253, "Build query\nBuild query"},
        {2255, "Options\nOptions"},
        {2256, "Close without saving\nClose without saving"},
        {2258, "Calendar\nCalendar"},
        {2259, "Save\nSave"},
        {2261, "Close without saving\nClose without saving"},
        {2262, "Save\nSave"},
        {2263, "Save\nSave"},
        {2265, "Save\nSave"},
        {2267, "New query\nNew query"},
        {2268, "Edit query\nEdit query"},
        {2269, "Delete query\nDelete query"},
        {2270, "Print\nPrint"},
        {2273, "Clear temporary queries\nClear"},
        {2274, "Mark all\nMark all"},
        {2275, "Unmark all\nUnmark all"},
        {2276, "Close without saving\nClose without saving"},
        {2277, "View\nView query results"},
        {2278, "Close without saving\nClose without saving"},
        {2280, "New query\nNew query"},
        {2282, "Remove checked items\nRemove checked items"},
        {2285, "Edit item\nEdit item"},
        {2287, "Show or hide Cycle toolbar\nCycle toolbar"},
        {2288, "Close\nClose"},
        {3005, "Save report as PDF file\nSave report as PDF file"},
        {3007, "Save report as PDF file\nSave report as PDF file"},
        {3008, "Email report as PDF\nEmail report as PDF"},
        {3009, "Email report as PDF\nEmail report as PDF"},
        {32838, "Delete current query\nDelete current query"},
        {32841, "Preview\nPreview"},
        {32858, "Save\nSave"},
        {32859, "Configure parameters\nConfigure parameters"},
        {32860, "Configure items\nConfigure items"},
        {32861, "Configure values\nConfigure values"},
        {32862, "Back to the query editor\nBack"},
        {32867, "Opens Sample dataset\nSample"},
        {32900, "Set text color\nSet text color"},
        {32901, "Set background color\nSet background color"},
        {32910, "Duplicate current dataset\nDuplicate current dataset"},
        {32917, "Save as PDF file\nSave as PDF file"},
        {32918, "Email report as PDF\nEmail report as PDF"},
        {32919, "Email report as PDF\nEmail report as PDF"},
        {57600, "Create a new dataset\nNew"},
        {57601, "Open an existing dataset\nOpen"},
        {57602, "Close the active dataset\nClose"},
        // The standard commands keep the usual prompts of a desktop program.
        {57606, "Change the printer and printing options\nPrint Setup"},
        {57616, "Open this dataset"},
        {57617, "Open this dataset"},
        {57618, "Open this dataset"},
        {57619, "Open this dataset"},
        {57664, "Display program information, version number and copyright\nAbout"},
        {57665, "Quit the application; prompts to save datasets\nExit"},
        {57670, "Display help for current task or command\nHelp"},
        {57680, "Switch to the next window pane\nNext Pane"},
        {57681, "Switch back to the previous window pane\nPrevious Pane"},
        {32868, "Display help for current task or command\nHelp"},
    };
    return strings;
}

}  // namespace

CommandText CommandTextOf(int id)
{
    const auto found = CommandStrings().find(id);
    if (found == CommandStrings().end())
        return {};
    const QString text = QString::fromUtf8(found->second);
    const qsizetype newline = text.indexOf(QLatin1Char('\n'));
    if (newline < 0)
        return {text, QString()};
    return {text.left(newline), text.mid(newline + 1)};
}

QEvent::Type CommandEvent::EventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

void PostCommand(QObject* target, int command)
{
    QCoreApplication::postEvent(target, new CommandEvent(command));
}
