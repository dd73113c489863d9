#include "platform/Settings.h"

#include <QSettings>
#include <QString>

namespace {

constexpr const char* kOrganisation = "Brennick";
constexpr const char* kApplication = "Tavrin";
constexpr const char* kUiGroup = "SettingsUI";
constexpr const char* kRecentGroup = "Recent File List";

QString Key(const std::string& name) { return QString::fromStdString(name); }

}  // namespace

int ReadUiSetting(const std::string& name)
{
    if (name.empty())
        return 0;
    QSettings settings(kOrganisation, kApplication);
    if (settings.status() != QSettings::NoError)
        return 0;
    settings.beginGroup(kUiGroup);
    const QVariant stored = settings.value(Key(name));
    bool isNumber = false;
    const int value = stored.toInt(&isNumber);
    if (stored.isValid() && isNumber)
        return value;
    settings.setValue(Key(name), 1);
    return 1;
}

void WriteUiSetting(const std::string& name, int value)
{
    if (name.empty())
        return;
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kUiGroup);
    settings.setValue(Key(name), value);
}

std::string ReadTemplateDirSetting()
{
    QSettings settings(kOrganisation, kApplication);
    return settings.value("Settings/TEMPLATEDIR").toString().toStdString();
}

std::vector<std::string> ReadRecentFiles()
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kRecentGroup);
    std::vector<std::string> paths;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty())
            paths.push_back(path.toStdString());
    }
    return paths;
}

void WriteRecentFiles(const std::vector<std::string>& paths)
{
    QSettings settings(kOrganisation, kApplication);
    settings.beginGroup(kRecentGroup);
    settings.remove(QString());
    for (int i = 0; i < kRecentFileCount && i < static_cast<int>(paths.size()); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), QString::fromStdString(paths[i]));
}

void AddRecentFile(const std::string& path)
{
    std::vector<std::string> paths{path};
    for (const std::string& old : ReadRecentFiles())
        if (old != path)
            paths.push_back(old);
    WriteRecentFiles(paths);
}

void UseSettingsFolder(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
}
