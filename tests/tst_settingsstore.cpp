#include "settings/SettingsStore.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(file.errorString()));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Every slot holds "<prefix><slot number>", so a slot read from the wrong line shows.
void fill(SettingsStore& store, const QString& prefix)
{
    for (int k = 0; k < SettingsFormat::SlotCount; ++k)
        store[k] = prefix + QString::number(k);
}

QStringList filled(const QString& prefix)
{
    SettingsStore store(QString{});
    fill(store, prefix);
    return store.slots();
}

QStringList defaults()
{
    QStringList slots;
    for (int k = 0; k < SettingsFormat::SlotCount; ++k)
        slots.append(QString::number(k));
    return slots;
}

} // namespace

class tst_SettingsStore final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void missingFileGivesSlotNumbers();
    void valuesSurviveSaveAndRead_data();
    void valuesSurviveSaveAndRead();
    void longValueIsWrittenWholeAndReadCut();
    void truncatedFileKeepsDefaultsForLostKeys();
    void handWrittenFile_data();
    void handWrittenFile();
    void unreadableFileKeepsSlots_data();
    void unreadableFileKeepsSlots();
    void blankFileHoldsEveryKeyEmpty();
    void blankFileIsWrittenBeforeMainFile();
    void failedSaveLeavesMainFileAlone_data();
    void failedSaveLeavesMainFileAlone();
    void readOnlyFolderIsWrittenInPlace();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void hugeFileIsReadOnlyUpToTheCap();
    void saveCreatesMissingFolder();
    void saveTakesAwayWhatACutShortSaveLeft();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_SettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_SettingsStore::missingFileGivesSlotNumbers()
{
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("prior"));

    QVERIFY(store.read());

    QCOMPARE(store[0], QStringLiteral("0"));
    QCOMPARE(store[1], QStringLiteral("1"));
    QCOMPARE(store[4], QStringLiteral("4"));
    QCOMPARE(store[10], QStringLiteral("10"));
    QCOMPARE(store[112], QStringLiteral("112"));
    QCOMPARE(store.slots(), defaults());
}

void tst_SettingsStore::valuesSurviveSaveAndRead_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("leading and trailing blanks are kept") << "  192.168.1.10  ";
    QTest::newRow("blanks only") << "   ";
    QTest::newRow("an equals sign alone") << "=";
    QTest::newRow("several equals signs") << "a=b=c";
    QTest::newRow("semicolons") << "a;b;";
    QTest::newRow("a leading hash") << "#x";
    QTest::newRow("a leading semicolon") << ";x";
    QTest::newRow("double and single quotes") << "\"q\" 'r'";
    QTest::newRow("a quoted value keeps its quotes") << "\"x\"";
    QTest::newRow("tildes and accents") << "1 Café~2 Eau~";
    QTest::newRow("dollars") << "5$0$1$";
    QTest::newRow("a backslash") << "a\\b";
    QTest::newRow("the replacement character") << QStringLiteral("\uFFFDx\uFFFD");
    QTest::newRow("something like a section header") << "[other]";
    QTest::newRow("an empty value") << "";
    QTest::newRow("exactly 2047 characters") << QString(SettingsFormat::MaxValueLength, QLatin1Char('v'));
}

void tst_SettingsStore::valuesSurviveSaveAndRead()
{
    QFETCH(QString, value);

    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("v"));
    store[0] = value;
    store[33] = value;
    QVERIFY(store.save().ok);

    SettingsStore again(m_dir->path());
    QVERIFY(again.read());

    QStringList expected = filled(QStringLiteral("v"));
    expected[0] = value;
    expected[33] = value;
    QCOMPARE(again.slots(), expected);
}

void tst_SettingsStore::longValueIsWrittenWholeAndReadCut()
{
    QString value;
    for (int i = 0; i < 3000; ++i)
        value += QChar(u'a' + i % 26);
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("v"));
    store[61] = value;
    QVERIFY(store.save().ok);

    QVERIFY(readFile(store.filePath()).contains("\n61=" + value.toLatin1() + "\n62=v62\n"));

    SettingsStore again(m_dir->path());
    QVERIFY(again.read());
    QCOMPARE(again[61], value.left(SettingsFormat::MaxValueLength));
    QCOMPARE(again[62], QStringLiteral("v62"));
}

void tst_SettingsStore::truncatedFileKeepsDefaultsForLostKeys()
{
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("v"));
    QVERIFY(store.save().ok);
    const QByteArray whole = readFile(store.filePath());
    const qsizetype cut = whole.indexOf("\n60=") + 2; // in the middle of the key "60"
    writeFile(store.filePath(), whole.left(cut));

    SettingsStore again(m_dir->path());
    QVERIFY(again.read());

    QStringList expected = filled(QStringLiteral("v")).mid(0, 60);
    expected += defaults().mid(60);
    QCOMPARE(again.slots(), expected);
}

void tst_SettingsStore::handWrittenFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("firstSlots");

    QTest::newRow("keys outside the data section are ignored")
        << QByteArray("0=before\n[other]\n1=outside\n[data]\n2=in\n[more]\n3=after\n")
        << QStringList{"0", "1", "in", "3", "4"};
    QTest::newRow("lines without an equals sign are ignored")
        << QByteArray("[data]\n0=10.0.0.1\n1\n; comment\n2=x\n") << QStringList{"10.0.0.1", "1", "x", "3", "4"};
    QTest::newRow("a file edited elsewhere with CR LF reads without trailing CRs")
        << QByteArray("[data]\r\n0=10.0.0.1\r\n1=0\r\n4=\r\n") << QStringList{"10.0.0.1", "0", "2", "3", ""};
    QTest::newRow("a byte order mark before the section is skipped")
        << QByteArray("\xEF\xBB\xBF[data]\n0=10.0.0.1\n") << QStringList{"10.0.0.1", "1", "2", "3", "4"};
    QTest::newRow("keys past 112 and negative keys are ignored")
        << QByteArray("[data]\n113=x\n-1=y\n1=z\n") << QStringList{"0", "z", "2", "3", "4"};
    QTest::newRow("a key is a slot number in plain decimal and nothing else")
        << QByteArray("[data]\n+0=plus\n00=zeros\n1e0=exponent\n0x2=hex\n\xD9\xA3=arabic\n4=four\n")
        << QStringList{"0", "1", "2", "3", "four"};
}

void tst_SettingsStore::handWrittenFile()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, firstSlots);

    SettingsStore store(m_dir->path());
    writeFile(store.filePath(), text);

    QVERIFY(store.read());
    QCOMPARE(store.slots().mid(0, firstSlots.size()), firstSlots);
    QCOMPARE(store[112], QStringLiteral("112"));
}

void tst_SettingsStore::unreadableFileKeepsSlots_data()
{
    QTest::addColumn<bool>("directory");

    QTest::newRow("a folder in place of the file") << true;
    QTest::newRow("a file without read permission") << false;
}

void tst_SettingsStore::unreadableFileKeepsSlots()
{
    QFETCH(bool, directory);

    SettingsStore store(m_dir->path());
    if (directory) {
        QVERIFY(QDir().mkdir(store.filePath()));
    } else {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop root from reading");
        writeFile(store.filePath(), "[data]\n0=10.0.0.1\n");
        QVERIFY(QFile::setPermissions(store.filePath(), QFileDevice::Permissions{}));
    }
    fill(store, QStringLiteral("prior"));

    QVERIFY(!store.read());
    QCOMPARE(store.slots(), filled(QStringLiteral("prior")));
}

void tst_SettingsStore::blankFileHoldsEveryKeyEmpty()
{
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("v"));
    writeFile(store.blankFilePath(), SettingsFormat::writeSlots(filled(QStringLiteral("old"))));

    QVERIFY(store.save().ok);

    // a missing key would read as its slot number, so all-empty means all 113 keys are there
    QCOMPARE(SettingsFormat::readSlots(readFile(store.blankFilePath())),
             QStringList(SettingsFormat::SlotCount, QString()));
    QCOMPARE(SettingsFormat::readSlots(readFile(store.filePath())), filled(QStringLiteral("v")));
}

void tst_SettingsStore::blankFileIsWrittenBeforeMainFile()
{
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("v"));
    writeFile(store.blankFilePath(), SettingsFormat::writeSlots(filled(QStringLiteral("old"))));
    QVERIFY(QDir().mkdir(store.filePath()));

    const SettingsStore::SaveResult result = store.save();

    QVERIFY(!result.ok);
    QCOMPARE(result.failedPath, store.filePath());
    QCOMPARE(SettingsFormat::readSlots(readFile(store.blankFilePath())),
             QStringList(SettingsFormat::SlotCount, QString()));
}

void tst_SettingsStore::failedSaveLeavesMainFileAlone_data()
{
    QTest::addColumn<bool>("readOnlyFolder");

    QTest::newRow("the blank file cannot be written") << false;
    QTest::newRow("the folder and its files are read-only") << true;
}

void tst_SettingsStore::failedSaveLeavesMainFileAlone()
{
    QFETCH(bool, readOnlyFolder);

    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("old"));
    QVERIFY(store.save().ok);
    const QByteArray old = readFile(store.filePath());
    if (readOnlyFolder) {
        if (::geteuid() == 0)
            QSKIP("permissions do not stop root from writing");
        for (const QString& path : {store.filePath(), store.blankFilePath()})
            QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner));
        QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else {
        QVERIFY(QFile::remove(store.blankFilePath()));
        QVERIFY(QDir().mkdir(store.blankFilePath()));
    }
    fill(store, QStringLiteral("new"));

    const SettingsStore::SaveResult result = store.save();
    if (readOnlyFolder)
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QVERIFY(!result.ok);
    QCOMPARE(result.failedPath, store.blankFilePath());
    QCOMPARE(readFile(store.filePath()), old);
    // nothing half-written is left beside the two files
    for (const QString& name : QDir(m_dir->path()).entryList(QDir::Files))
        QVERIFY2(name == SettingsStore::FileName || name == SettingsStore::BlankFileName, qPrintable(name));
}

void tst_SettingsStore::readOnlyFolderIsWrittenInPlace()
{
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("old"));
    QVERIFY(store.save().ok);
    QVERIFY(QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    if (QFile(m_dir->filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly)) {
        QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QSKIP("permissions do not stop this user from creating files");
    }
    fill(store, QStringLiteral("new"));

    const SettingsStore::SaveResult result = store.save();
    QFile::setPermissions(m_dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    QVERIFY(result.ok);
    QCOMPARE(SettingsFormat::readSlots(readFile(store.filePath())), filled(QStringLiteral("new")));
}

void tst_SettingsStore::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a named pipe would wait for a writer forever") << QStringLiteral("pipe");
    QTest::newRow("a link to an endless device") << QStringLiteral("device");
}

void tst_SettingsStore::onlyRegularFilesAreRead()
{
    QFETCH(QString, kind);

    SettingsStore store(m_dir->path());
    if (kind == QStringLiteral("pipe"))
        QCOMPARE(::mkfifo(QFile::encodeName(store.filePath()).constData(), 0600), 0);
    else
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), store.filePath()));
    fill(store, QStringLiteral("prior"));

    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(!store.read());
    QVERIFY(elapsed.elapsed() < 1000);
    QCOMPARE(store.slots(), filled(QStringLiteral("prior")));
}

void tst_SettingsStore::hugeFileIsReadOnlyUpToTheCap()
{
    SettingsStore store(m_dir->path());
    // countless empty lines, then keys no saved file could hold so far in
    QByteArray text("[data]\n1=near\n");
    text += QByteArray(int(SettingsStore::MaxFileBytes), '\n');
    text += "0=far\n";
    writeFile(store.filePath(), text);

    QElapsedTimer elapsed;
    elapsed.start();
    QVERIFY(store.read());
    QVERIFY(elapsed.elapsed() < 2000);
    QCOMPARE(store[1], QStringLiteral("near"));
    QCOMPARE(store[0], QStringLiteral("0"));
    QVERIFY(store.isStored(1));
    QVERIFY(!store.isStored(0));
}

void tst_SettingsStore::saveCreatesMissingFolder()
{
    const QString folder = m_dir->filePath(QStringLiteral("home/Documents"));
    SettingsStore store(folder);
    fill(store, QStringLiteral("v"));

    QVERIFY(store.save().ok);

    QVERIFY(QFile::exists(QDir(folder).filePath(SettingsStore::BlankFileName)));
    SettingsStore again(folder);
    QVERIFY(again.read());
    QCOMPARE(again.slots(), filled(QStringLiteral("v")));
}

// A save killed half way leaves its temporary file; the next save takes it away and nothing else.
void tst_SettingsStore::saveTakesAwayWhatACutShortSaveLeft()
{
    QDir folder(m_dir->path());
    const QStringList leftovers{SettingsStore::FileName + QStringLiteral(".aB3xYz"),
                                SettingsStore::BlankFileName + QStringLiteral(".Q1w2E3")};
    const QStringList kept{SettingsStore::FileName + QStringLiteral(".bak"), QStringLiteral("notes.txt.aB3xYz")};
    for (const QString& name : leftovers + kept) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[data]\n0=half");
    }
    SettingsStore store(m_dir->path());
    fill(store, QStringLiteral("v"));

    QVERIFY(store.save().ok);

    for (const QString& name : leftovers)
        QVERIFY2(!folder.exists(name), qPrintable(name));
    for (const QString& name : kept)
        QVERIFY2(folder.exists(name), qPrintable(name));
    SettingsStore again(m_dir->path());
    QVERIFY(again.read());
    QCOMPARE(again.slots(), filled(QStringLiteral("v")));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)

#include "tst_settingsstore.moc"
