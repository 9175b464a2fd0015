#include "MemoryDialFiles.h"

#include <QDir>
#include <QFileInfo>

QString RenameTarget(const QString& source, const QString& newName)
{
    if (QDir::isAbsolutePath(newName)) {
        return QDir::cleanPath(newName);
    }
    return QDir::cleanPath(QFileInfo(source).absoluteDir().filePath(newName));
}
