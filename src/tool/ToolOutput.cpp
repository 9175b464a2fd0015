#include "ToolOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool Write(std::FILE* stream, QByteArrayView bytes)
{
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    // The buffer hides most errors until it is flushed, so both steps are checked.
    // A view of an empty text may hold no pointer at all, which fwrite must not be given.
    return (size == 0 || std::fwrite(bytes.data(), 1, size, stream) == size) && std::fflush(stream) == 0;
}

} // namespace

bool PrintOutput(const QString& text)
{
    return PrintOutputBytes(text.toUtf8());
}

bool PrintOutputBytes(QByteArrayView bytes)
{
    if (Write(stdout, bytes)) {
        return true;
    }
    PrintError(QStringLiteral("mdial: could not write the output: ") + QString::fromLocal8Bit(std::strerror(errno)) +
               u'\n');
    return false;
}

void PrintError(const QString& text)
{
    // Nothing is left to report a failure of stderr itself to.
    Write(stderr, text.toUtf8());
}
