#pragma once

#include <QByteArray>
#include <QString>

// Properties that hold for any bytes at all. The fuzzer and the corpus test
// share them, so every input the fuzzer keeps stays a regression case.
// Each returns an empty string when all hold, otherwise what broke.
namespace recordfilecheck {

// Sets up the game's windows and a temporary folder for it; a QApplication
// must exist. Call once.
void Prepare();

// The code page both ways: bytes come back unchanged, and a character
// becomes its own byte or "?".
QString CheckCodePage(const QByteArray& bytes);

// The bytes as "scores.txt": loading yields a sorted table and at most ten
// shown rows, and save, load and save again gives the same file.
QString CheckRecordFile(const QByteArray& bytes);

} // namespace recordfilecheck
