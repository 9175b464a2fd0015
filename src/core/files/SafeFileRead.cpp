#include "SafeFileRead.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

RegularFileOpen OpenRegularFile(const QString& path, qint64 maxSize, QFile& file)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat named = {};
    if (::stat(name.constData(), &named) != 0 || !S_ISREG(named.st_mode)) {
        return RegularFileOpen::NotRegularFile;
    }
    if (named.st_size > maxSize) {
        return RegularFileOpen::TooLarge;
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return RegularFileOpen::Unreadable;
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
