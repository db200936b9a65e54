#include "app/RecentFilesProfile.h"

#include "app/AppState.h"

#include <QSettings>

namespace {
QString Key(int i) {
    return QStringLiteral("Recent File List/File%1").arg(i + 1);
}
} // namespace

std::vector<std::string> LoadRecentFiles(const std::string& profilePath) {
    QSettings profile(QString::fromStdString(profilePath), QSettings::IniFormat);
    std::vector<std::string> files;
    for (int i = 0; i < RecentFileCount; ++i) {
        const QString file = profile.value(Key(i)).toString();
        if (!file.isEmpty())
            files.push_back(file.toStdString());
    }
    return files;
}

void SaveRecentFiles(const std::string& profilePath, const std::vector<std::string>& files) {
    QSettings profile(QString::fromStdString(profilePath), QSettings::IniFormat);
    for (int i = 0; i < RecentFileCount; ++i) {
        if (static_cast<std::size_t>(i) < files.size())
            profile.setValue(Key(i), QString::fromStdString(files[static_cast<std::size_t>(i)]));
        else
            profile.remove(Key(i));
    }
    profile.sync();
}
