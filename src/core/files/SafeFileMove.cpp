#include "SafeFileMove.h"

#include "SafeFileRead.h"

#include <QFile>
#include <QFileInfo>

namespace {

FileMoveResult Refusal(PathKind kind)
{
    return kind == PathKind::Missing ? FileMoveResult::Missing : FileMoveResult::NotRegularFile;
}

} // namespace

FileMoveResult RemoveRegularFile(const QString& path)
{
    if (const PathKind kind = KindOfPath(path); kind != PathKind::Regular) {
        return Refusal(kind);
    }
    return QFile::remove(path) ? FileMoveResult::Done : FileMoveResult::Failed;
}

FileMoveResult RenameRegularFile(const QString& source, const QString& target)
{
    if (const PathKind kind = KindOfPath(source); kind != PathKind::Regular) {
        return Refusal(kind);
    }
    // QFile::rename refuses an existing target as well, but it cannot tell us why; the check
    // first gives the user the right message.
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink()) {
        return FileMoveResult::TargetExists;
    }
    return QFile::rename(source, target) ? FileMoveResult::Done : FileMoveResult::Failed;
}
