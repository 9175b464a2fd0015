#include "MemoryDialFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString RenameTarget(const QString& source, const QString& newName)
{
    if (QDir::isAbsolutePath(newName)) {
        return QDir::cleanPath(newName);
    }
    return QDir::cleanPath(QFileInfo(source).absoluteDir().filePath(newName));
}

RenameOutcome RenameMemoryDialFile(const QString& source, const QString& target)
{
    // QFile::rename refuses an existing target as well, but it cannot tell us why; the check
    // first gives the user the right message.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        return RenameOutcome::TargetExists;
    }
    return QFile::rename(source, target) ? RenameOutcome::Renamed : RenameOutcome::Refused;
}

bool DeleteMemoryDialFile(const QString& path)
{
    QFile file(path);
    return file.remove();
}
