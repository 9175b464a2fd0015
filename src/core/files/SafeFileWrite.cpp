#include "SafeFileWrite.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <optional>

namespace {

// The kernel gives up on longer chains as well; QSaveFile follows more, so a chain it would
// not resolve to its end is never accepted here.
constexpr int kMaxLinkDepth = 40;

// The end of the chain of symbolic links that starts at `path` (`path` itself when it is no
// link), found the way QSaveFile finds the name it renames over. Nothing for a loop.
std::optional<QString> FinalTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; info.isSymLink(); ++depth) {
        if (depth == kMaxLinkDepth) {
            return std::nullopt;
        }
        info.setFile(info.symLinkTarget());
    }
    return info.filePath();
}

// QSaveFile renames its new file over whatever stands at the name, so a folder, a device, a
// FIFO or a socket there would be replaced (as root, even /dev/null). Only a regular file, or
// a name that holds nothing yet, may be written.
bool MayReplace(const QString& target)
{
    const QFileInfo info(target);
    return !info.isSymLink() && (info.isFile() || !info.exists());
}

} // namespace

bool MayWriteFile(const QString& path)
{
    const std::optional<QString> target = FinalTarget(path);
    return target && MayReplace(*target);
}

SafeWriteResult WriteFileSafely(const QString& path, QByteArrayView bytes)
{
    // QSaveFile is given the resolved name, so the name checked is the name it replaces.
    const std::optional<QString> target = FinalTarget(path);
    if (!target || !MayReplace(*target)) {
        return SafeWriteResult::NotRegularFile;
    }
    QSaveFile file(*target);
    if (!file.open(QIODevice::WriteOnly)) {
        return SafeWriteResult::Failed;
    }
    // On a full disk or past a size limit a write can come back short without an error, and
    // commit() would then seal a truncated file; write in pieces and check every count.
    constexpr qsizetype kChunk = 64 * 1024;
    for (qsizetype at = 0; at < bytes.size(); at += kChunk) {
        const qsizetype length = std::min(kChunk, bytes.size() - at);
        if (file.write(bytes.data() + at, length) != length) {
            file.cancelWriting();
            return SafeWriteResult::Failed;
        }
    }
    if (!file.flush()) {
        file.cancelWriting();
        return SafeWriteResult::Failed;
    }
    // Something else may have taken the name's place while the file was written. A rename
    // cannot be told to replace regular files only, so looking again here leaves only the
    // moment up to the rename open.
    if (!MayReplace(*target)) {
        file.cancelWriting();
        return SafeWriteResult::NotRegularFile;
    }
    return file.commit() ? SafeWriteResult::Written : SafeWriteResult::Failed;
}

bool IsSameFile(const QString& a, const QString& b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}
