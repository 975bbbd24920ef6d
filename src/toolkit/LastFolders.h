// The folder each kind of file dialog was last used in, kept between sessions.
#pragma once

#include <QString>

class QSettings;

namespace hydrolofter {

enum class FolderKind { Designs, Flights, Exports, Measured };

/// Where a dialog for this kind of file opens: its kind's last folder, else the last
/// folder of any kind, else empty (the working folder).
QString lastFolder(FolderKind kind);
/// The folder of path (a file) becomes its kind's, and the last of any kind.
void rememberFolder(FolderKind kind, const QString& path);
void saveLastFolders(QSettings& settings);
void restoreLastFolders(const QSettings& settings);

} // namespace hydrolofter
