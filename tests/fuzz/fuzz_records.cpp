// Any bytes through the code page and as scores.txt, for libFuzzer or from the corpus.
#include "appfolder.h"
#include "codepage.h"
#include "errorreport.h"
#include "forms.h"
#include "hightabcontrols.h"
#include "recordfile.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

static QString broken; // what broke; a message from the game counts too

QString checkBytes(const QByteArray& bytes)
{
    using namespace Module1;
    using namespace platform;
    static QTemporaryDir folder;
    static const bool ready = (ui::RegisterForms(), SetAppFolder(folder.path()),
        SetErrorReporter([](const QString& text) { broken += text; }), folder.isValid());
    broken.clear();
    const auto check = [](bool holds, const char* what) { broken += holds ? "" : what; };
    const QString text = FromCodePage(bytes);
    const QString utf16(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    const QList<uint> wide = utf16.toUcs4();
    const QByteArray written = ToCodePage(utf16); // each character its own byte or "?"
    check(text.size() == bytes.size() && ToCodePage(text) == bytes && written.size() == wide.size(), "page; ");
    for (qsizetype i = 0; i < std::min(wide.size(), written.size()); ++i)
        check(written[i] == '?' || FromCodePage(written.mid(i, 1)).at(0).unicode() == wide[i], "byte; ");
    QFile file(AppFilePath(QStringLiteral("scores.txt")));
    check(ready && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "cannot write; ");
    file.close();
    QList<QByteArray> rounds[2]; // the lines shown, then the file saved
    for (QList<QByteArray>& round : rounds) {
        Forms::hightab.Load().List1->clear();
        Forms::hightab.Load().List2->clear();
        LoadRecords();
        round = RecordFileLines();
        const int rows = LastRecord + 1; // sorted, and at most ten of them shown
        check(rows >= 0 && rows <= RecordSlots && std::is_sorted(RecordSeconds, RecordSeconds + rows), "sort; ");
        check(round.size() <= 20 && round.size() % 2 == 0, "rows; ");
        SaveRecords();
        round.append(file.open(QIODevice::ReadOnly) ? file.readAll() : "unread");
        file.close();
    }
    // A saved line that is UTF-8 beyond ASCII as well is read as UTF-8 the next time.
    const bool alsoUtf8 = std::any_of(rounds[0].cbegin(), rounds[0].cend() - 1,
        [](const QByteArray& line) { return FromUtf8OrCodePage(line) != FromCodePage(line); });
    check((rounds[0] == rounds[1] || alsoUtf8) && (rounds[0].last().isEmpty() || rounds[0].last().endsWith("\r\n")),
        "save; ");
    return broken;
}

#ifdef DEZUDOR_FUZZ_ENTRY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 0;
    static QApplication application(argc, nullptr);
    if (!checkBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))).isEmpty())
        qFatal("check failed: %s", qPrintable(broken));
    return 0;
}
#else
class TestCorpus : public QObject {
    Q_OBJECT

private slots:
    void inputHoldsEveryCheck_data()
    {
        QTest::addColumn<QString>("path");
        for (const QString& name : QDir(QStringLiteral(DEZUDOR_CORPUS_DIR)).entryList(QDir::Files))
            QTest::newRow(qPrintable(name)) << QStringLiteral(DEZUDOR_CORPUS_DIR "/") + name;
    }

    void inputHoldsEveryCheck()
    {
        QFETCH(QString, path);
        QFile file(path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? checkBytes(file.readAll()) : path, QString());
    }
};

QTEST_MAIN(TestCorpus)
#include "fuzz_records.moc"
#endif
