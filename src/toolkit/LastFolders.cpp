#include "LastFolders.h"

#include <QFileInfo>
#include <QSettings>
#include <array>

namespace hydrolofter {
namespace {

constexpr const char* kKeys[] = {"folders/designs", "folders/flights", "folders/exports",
                                 "folders/measured"};
std::array<QString, std::size(kKeys)> g_folders;
QString g_anyFolder;

} // namespace

QString lastFolder(FolderKind kind) {
    const QString& own = g_folders[std::size_t(kind)];
    return own.isEmpty() ? g_anyFolder : own;
}

void rememberFolder(FolderKind kind, const QString& path) {
    if (path.isEmpty())
        return;
    g_anyFolder = g_folders[std::size_t(kind)] = QFileInfo(path).absolutePath();
}

void saveLastFolders(QSettings& settings) {
    for (std::size_t k = 0; k < std::size(kKeys); ++k)
        settings.setValue(QString::fromUtf8(kKeys[k]), g_folders[k]);
    settings.setValue(QStringLiteral("folders/any"), g_anyFolder);
}

void restoreLastFolders(const QSettings& settings) {
    for (std::size_t k = 0; k < std::size(kKeys); ++k)
        g_folders[k] = settings.value(QString::fromUtf8(kKeys[k])).toString();
    g_anyFolder = settings.value(QStringLiteral("folders/any")).toString();
}

} // namespace hydrolofter
