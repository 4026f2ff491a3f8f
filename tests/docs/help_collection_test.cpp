// Opens the built help collection as the help window does and looks up every
// help context number by its keyword id: each must lead to its page, and the
// page held in the collection must carry the anchor.

#include <QFile>
#include <QHelpEngineCore>
#include <QHelpLink>
#include <QTemporaryDir>
#include <QTest>

class HelpCollectionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void contextNumberLeadsToItsPage_data();
    void contextNumberLeadsToItsPage();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QHelpEngineCore> m_engine;
};

void HelpCollectionTest::initTestCase()
{
    // The collection is opened from a copy: the engine may write to it.
    const QString share = QStringLiteral(CASTOVIN_SHARE_DIR);
    QVERIFY(QFile::copy(share + "/castovin.qhc", m_dir.filePath("castovin.qhc")));
    QVERIFY(QFile::copy(share + "/castovin.qch", m_dir.filePath("castovin.qch")));
    m_engine = std::make_unique<QHelpEngineCore>(m_dir.filePath("castovin.qhc"));
    QVERIFY2(m_engine->setupData(), qPrintable(m_engine->error()));
    QCOMPARE(m_engine->registeredDocumentations(), QStringList{"org.castovin.manual"});
}

void HelpCollectionTest::contextNumberLeadsToItsPage_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("target");
    QFile tsv(QStringLiteral(CASTOVIN_HELP_CONTEXTS));
    QVERIFY(tsv.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!tsv.atEnd()) {
        const QStringList fields = QString::fromUtf8(tsv.readLine()).trimmed().split('\t');
        if (fields.size() == 2)
            QTest::newRow(qPrintable(fields[0])) << fields[0] << fields[1];
    }
}

void HelpCollectionTest::contextNumberLeadsToItsPage()
{
    QFETCH(QString, number);
    QFETCH(QString, target);
    const QList<QHelpLink> links = m_engine->documentsForIdentifier("context-" + number);
    QCOMPARE(links.size(), 1);
    const QUrl url = links.first().url;
    QCOMPARE(url.toString(), "qthelp://org.castovin.manual/doc/" + target);

    QUrl page = url;
    page.setFragment(QString());
    const QByteArray html = m_engine->fileData(page);
    QVERIFY2(!html.isEmpty(), qPrintable(page.toString()));
    if (url.hasFragment())
        QVERIFY2(html.contains("name=\"" + url.fragment().toUtf8() + "\""), qPrintable(url.toString()));
}

QTEST_GUILESS_MAIN(HelpCollectionTest)
#include "help_collection_test.moc"
