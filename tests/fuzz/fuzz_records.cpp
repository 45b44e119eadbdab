// libFuzzer entry: any bytes as the record file and through the code page.
#include "recordfilecheck.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    recordfilecheck::Prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QString& broken : {recordfilecheck::CheckCodePage(bytes), recordfilecheck::CheckRecordFile(bytes)})
        if (!broken.isEmpty()) {
            std::fprintf(stderr, "check failed: %s\n", qPrintable(broken));
            std::abort();
        }
    return 0;
}
