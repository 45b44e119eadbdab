#pragma once

#include <QByteArray>
#include <QString>

// The 8-bit code page of the record file: windows-1250, the Central European
// code page, on every platform, so files move between systems unchanged.
namespace platform {

QString FromCodePage(QByteArrayView bytes);

// A line that another program may have saved: UTF-8 where its bytes are
// that and go beyond ASCII, as today's editors save, else the code page.
QString FromUtf8OrCodePage(QByteArrayView bytes);

// A character that the code page does not hold becomes "?".
QByteArray ToCodePage(const QString& text);

// The code page's byte for one character, '?' when it has none.
char CodePageByte(QChar character);

} // namespace platform
