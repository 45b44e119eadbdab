#include "platform/filecopy.h"

#include <QFile>
#include <QSaveFile>

#include <memory>
#include <vector>

namespace platform {

namespace {

// QSaveFile keeps its data in a temporary file until commit() renames it over
// the target; without commit() the temporary file is removed.
std::unique_ptr<QSaveFile> stage(const FileCopy& copy, CopyFailure& failure)
{
    QFile source(copy.Source);
    if (!source.open(QIODevice::ReadOnly)) {
        failure = {CopyFailure::Unreadable, copy.Source};
        return nullptr;
    }
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError) {
        failure = {CopyFailure::Unreadable, copy.Source};
        return nullptr;
    }
    auto target = std::make_unique<QSaveFile>(copy.Target);
    if (!target->open(QIODevice::WriteOnly) || target->write(bytes) != bytes.size() || !target->flush()) {
        target->cancelWriting();
        failure = {CopyFailure::Unwritable, copy.Target};
        return nullptr;
    }
    return target;
}

} // namespace

CopyFailure CopyFilesOver(const QList<FileCopy>& copies)
{
    CopyFailure failure;
    std::vector<std::unique_ptr<QSaveFile>> staged;
    for (const FileCopy& copy : copies) {
        staged.push_back(stage(copy, failure));
        if (failure.Error != CopyFailure::None)
            return failure; // the staged temporary files go with `staged`
    }
    for (const auto& target : staged)
        if (!target->commit())
            return {CopyFailure::Unwritable, target->fileName()};
    return failure;
}

} // namespace platform
