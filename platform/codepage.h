#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of the record file: windows-1250, the Central European
// code page, on every platform, so files move between systems unchanged.
namespace platform {

QString FromCodePage(const QByteArray& bytes);

// A character that the code page does not hold becomes "?".
QByteArray ToCodePage(const QString& text);

// The code page's byte for one character, '?' when it has none.
char CodePageByte(QChar character);

} // namespace platform
