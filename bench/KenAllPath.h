#pragma once

#include <QString>

#include <cstdlib>

// The postal-code table the benchmarks load: MORVANX_KEN_ALL when set, else the shipped one.
inline QString KenAllPath()
{
    if (const char* path = std::getenv("MORVANX_KEN_ALL"); path != nullptr && *path != '\0') {
        return QString::fromLocal8Bit(path);
    }
    return QStringLiteral(MORVANX_DEFAULT_KEN_ALL);
}
