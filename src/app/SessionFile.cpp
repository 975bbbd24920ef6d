#include "SessionFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hydrolofter {

QString sessionFilePath() {
    // QSettings reads its file when it is made; a neighbour's name gives the folder without
    // touching the session itself.
    const QSettings probe(QStringLiteral("Hydrolofter"), QStringLiteral("Hydrolofter-probe"));
    return QFileInfo(probe.fileName()).absoluteDir().filePath(QStringLiteral("Hydrolofter.conf"));
}

QString sessionFileProblem(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a regular file");
    if (st.st_size > (16 << 20))
        return QStringLiteral("it is larger than 16 MiB");
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::close(fd);
    return {};
}

SetAside setSessionAside(const QString& path, const QString& reason) {
    SetAside result;
    QString aside = path + QStringLiteral(".unreadable");
    for (int n = 2; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++n) {
        if (n > 99)
            break;
        aside = path + QStringLiteral(".unreadable.%1").arg(n);
    }
    result.moved =
        !QFileInfo::exists(aside) &&
        std::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0;
    const QString head =
        QStringLiteral("The last session (%1) could not be read: %2.").arg(path, reason);
    result.message =
        result.moved
            ? head + QStringLiteral(" It is kept as %1; the window starts from the defaults.")
                         .arg(QFileInfo(aside).fileName())
            : head + QStringLiteral(" It could not be moved aside, so it is left as it is and "
                                    "this session will not be remembered.");
    return result;
}

} // namespace hydrolofter
