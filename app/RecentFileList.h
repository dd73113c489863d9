// The recent-file list of the File menu: the last four datasets opened, newest first, kept in
// the per-user settings. Entries show as "&1 path" ... "&4 path" before the menu's "E&xit".
#pragma once

#include "app/MenuResources.h"

#include <QString>
#include <QStringList>

class QMenu;

class CRecentFileList {
public:
    QStringList Paths() const;
    // Puts `path` first, keeping at most four entries without duplicates.
    void Add(const QString& path);
    void Remove(const QString& path);
    // The path of entry `index` (0 = newest); empty when there is none.
    QString At(int index) const;

    // Puts the entries into `fileMenu` after its separator named "recent" (replacing earlier
    // entries); their commands are ID_FILE_MRU_FILE1 + index.
    void FillMenu(QMenu* fileMenu, const MenuItemHook& hook) const;

    // The menu text of entry `index`: "&1 " and the path, shortened in the middle when long.
    static QString EntryText(int index, const QString& path);
};
