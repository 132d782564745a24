#pragma once
#include "MasterData.h"
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace zt {

enum class PhotoState { Present, Missing, Unreadable };

struct PhotoListEntry {
    QString number;
    QString name;
    // The name the photo has, or must be given, in the folder Bild: "Becker_Lea_05032018.jpg".
    QString fileName;
    PhotoState state = PhotoState::Missing;
    QString remark;
};

// The photo names of the photo list, each with whether its photo is there, under a few lines that
// count the missing photos and say where they belong.
struct PhotoListContent {
    QString title;
    QStringList lead;
    QStringList columns; // number, photo, name and file name, remark
    QList<PhotoListEntry> entries;
};

// The photo of a name is Bild\<name>.jpg; `stateOf` looks at that path, relative to the program
// folder. `pictureFolder` is the folder as the teacher finds it on the computer.
PhotoListContent PhotoList(const PictureList& list, const QString& pictureFolder,
                           const std::function<PhotoState(const QString& relativePath)>& stateOf);

} // namespace zt
