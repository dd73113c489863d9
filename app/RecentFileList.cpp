#include "app/RecentFileList.h"

#include "app/Commands.h"
#include "platform/Settings.h"

#include <QAction>
#include <QMenu>

namespace {
constexpr int kMaxShownPath = 60;  // characters of a path shown in the menu
}

QStringList CRecentFileList::Paths() const
{
    QStringList paths;
    for (const std::string& path : ReadRecentFiles())
        paths.append(QString::fromStdString(path));
    return paths;
}

void CRecentFileList::Add(const QString& path) { AddRecentFile(path.toStdString()); }

void CRecentFileList::Remove(const QString& path)
{
    std::vector<std::string> kept;
    for (const std::string& old : ReadRecentFiles())
        if (QString::fromStdString(old) != path)
            kept.push_back(old);
    WriteRecentFiles(kept);
}

QString CRecentFileList::At(int index) const
{
    const QStringList paths = Paths();
    return index >= 0 && index < paths.size() ? paths.at(index) : QString();
}

QString CRecentFileList::EntryText(int index, const QString& path)
{
    QString shown = path;
    if (shown.size() > kMaxShownPath) {
        const int keep = (kMaxShownPath - 3) / 2;
        shown = shown.left(keep) + QStringLiteral("...") + shown.right(keep);
    }
    // A "&" in a path would otherwise mark a shortcut letter.
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

void CRecentFileList::FillMenu(QMenu* fileMenu, const MenuItemHook& hook) const
{
    for (QAction* old : fileMenu->actions()) {
        const int command = old->data().toInt();
        const bool entry =
            command >= ID_FILE_MRU_FILE1 && command < ID_FILE_MRU_FILE1 + kRecentFileCount;
        if (entry || old->objectName() == QLatin1String("recent-end")) {
            fileMenu->removeAction(old);
            old->deleteLater();
        }
    }
    QAction* place = nullptr;
    const QList<QAction*> items = fileMenu->actions();
    for (qsizetype i = 0; i < items.size(); ++i)
        if (items[i]->objectName() == QLatin1String("recent") && i + 1 < items.size())
            place = items[i + 1];
    const QStringList paths = Paths();
    for (int i = 0; i < paths.size(); ++i) {
        auto* entry = new QAction(EntryText(i, paths[i]), fileMenu);
        entry->setData(ID_FILE_MRU_FILE1 + i);
        entry->setStatusTip(CommandTextOf(ID_FILE_MRU_FILE1 + i).prompt);
        fileMenu->insertAction(place, entry);
        if (hook)
            hook(entry, ID_FILE_MRU_FILE1 + i);
    }
    if (!paths.isEmpty())
        fileMenu->insertSeparator(place)->setObjectName("recent-end");
}
