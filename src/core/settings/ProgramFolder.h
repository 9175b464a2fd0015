#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the program's data (the shipped postal table, the help, the drag
// cursors); start-up also makes it the working folder. A build tree or an unpacked copy keeps
// the data beside the executable, so that folder comes first: a developer's build never picks
// up an older installed table. An installed program keeps it under the data prefix; relative
// candidates are taken from the executable's folder, so a moved prefix still finds its data.
// The first candidate that holds the shipped postal table as a regular file wins; when none
// does, the executable's folder (start-up then reports the missing table).
[[nodiscard]] QString FindProgramFolder(const QString& executableFolder, const QStringList& installedFolders);

// FindProgramFolder for the running executable and the install locations of this build.
[[nodiscard]] QString ProgramFolder();
