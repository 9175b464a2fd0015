#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Present in every data folder: the one data file that is always shipped.
constexpr QStringView kMarkerFile = u"ken_all.csv";

bool HoldsData(const QString& folder)
{
    return QFileInfo(QDir(folder).filePath(kMarkerFile.toString())).isFile();
}

} // namespace

QString FindProgramFolder(const QString& executableFolder, const QStringList& installedFolders)
{
    const QString beside = QDir::cleanPath(executableFolder);
    if (HoldsData(beside)) {
        return beside;
    }
    const QDir base(beside);
    for (const QString& candidate : installedFolders) {
        const QString folder = QDir::cleanPath(base.absoluteFilePath(candidate));
        if (HoldsData(folder)) {
            return folder;
        }
    }
    return beside;
}

QString ProgramFolder()
{
    return FindProgramFolder(QCoreApplication::applicationDirPath(),
                             {QStringLiteral(MORVANX_DATADIR_RELATIVE), QStringLiteral(MORVANX_DATADIR_ABSOLUTE)});
}
