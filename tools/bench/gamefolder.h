#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace bench {

// The folder every measurement plays in: a copy of the built pictures and a
// full record file, so that nothing in the build changes.
class GameFolder {
public:
    GameFolder();

    bool IsValid() const { return valid_; }
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    bool valid_ = false;
};

// The path of picture k (1 ... 16) in `folder`, found without the game's code.
QString PicturePath(const QString& folder, int k);

QString RecordFilePath(const QString& folder);

// Puts FullRecordFile() in place as the folder's record file.
bool WriteFullRecordFile(const QString& folder);

} // namespace bench
