// Every input in the fuzzer's corpus, through the same checks in the
// ordinary build: what the fuzzer once found stays found.
#include "recordfilecheck.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestCorpus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { recordfilecheck::Prepare(); }

    void inputHoldsEveryCheck_data()
    {
        QTest::addColumn<QString>("path");
        const QDir corpus(QStringLiteral(DEZUDOR_CORPUS_DIR));
        const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
        QVERIFY2(names.size() >= 8, qPrintable(corpus.path()));
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << corpus.filePath(name);
    }

    void inputHoldsEveryCheck()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(recordfilecheck::CheckCodePage(bytes), QString());
        QCOMPARE(recordfilecheck::CheckRecordFile(bytes), QString());
    }
};

QTEST_MAIN(TestCorpus)
#include "tst_corpus.moc"
