// The file the window remembers its last session in, looked at before it is read: a FIFO in
// its place must not hang the start, and a session this version cannot read (a newer
// version's, a damaged one) is kept aside rather than overwritten at the next close.
#pragma once

#include <QString>

namespace hydrolofter {

/// Where QSettings keeps the program's session (its per-user settings file).
QString sessionFilePath();

/// Why the file at path cannot be the session, without reading anything that could block:
/// empty when it is a regular, readable file of a sensible size, or there is none.
QString sessionFileProblem(const QString& path);

struct SetAside {
    bool moved = false; ///< false: the file stays where it is and must not be overwritten
    QString message;    ///< what to tell the user, once
};

/// Moves an unreadable session to "<name>.unreadable" (or ".unreadable.2", … when that is
/// taken) and says so; reason says why it could not be read.
SetAside setSessionAside(const QString& path, const QString& reason);

} // namespace hydrolofter
