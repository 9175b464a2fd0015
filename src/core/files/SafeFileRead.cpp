#include "SafeFileRead.h"

#include <QCryptographicHash>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

qint64 ModifiedNs(const struct stat& status)
{
    return static_cast<qint64>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
}

} // namespace

PathKind KindOfPath(const QString& path)
{
    struct stat named = {};
    if (::stat(QFile::encodeName(path).constData(), &named) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
    }
    return S_ISREG(named.st_mode) ? PathKind::Regular : PathKind::Other;
}

RegularFileOpen OpenRegularFile(const QString& path, qint64 maxSize, QFile& file)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat named = {};
    if (::stat(name.constData(), &named) != 0) {
        return errno == ENOENT || errno == ENOTDIR ? RegularFileOpen::Missing : RegularFileOpen::NotRegularFile;
    }
    if (!S_ISREG(named.st_mode)) {
        return RegularFileOpen::NotRegularFile;
    }
    if (named.st_size > maxSize) {
        return RegularFileOpen::TooLarge;
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return errno == ENOENT ? RegularFileOpen::Missing : RegularFileOpen::Unreadable;
    }
    struct stat opened = {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != named.st_dev ||
        opened.st_ino != named.st_ino) {
        ::close(descriptor);
        return RegularFileOpen::NotRegularFile;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return RegularFileOpen::Unreadable;
    }
    return RegularFileOpen::Opened;
}

FileRead ReadRegularFile(const QString& path, qint64 maxSize)
{
    FileRead result;
    QFile file;
    result.outcome = OpenRegularFile(path, maxSize, file);
    if (result.outcome != RegularFileOpen::Opened) {
        return result;
    }
    // The size is bounded again while reading: the file may have grown since it was checked.
    result.bytes = file.read(maxSize + 1);
    if (file.error() != QFileDevice::NoError) {
        result.outcome = RegularFileOpen::Unreadable;
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() > maxSize) {
        result.outcome = RegularFileOpen::TooLarge;
        result.bytes.clear();
        return result;
    }
    struct stat opened = {};
    if (::fstat(file.handle(), &opened) == 0) {
        result.stamp.modified = ModifiedNs(opened);
    }
    result.stamp.size = result.bytes.size();
    result.stamp.hash = QCryptographicHash::hash(result.bytes, QCryptographicHash::Sha256);
    return result;
}
