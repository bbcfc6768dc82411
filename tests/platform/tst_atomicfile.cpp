#include "atomicfile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

Q_DECLARE_METATYPE(AtomicFile::Kind)

class TestAtomicFile : public QObject
{
    Q_OBJECT
private slots:
    void permissionsFollowTheKind_data()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows files have access lists, not mode bits: Qt reports every permission");
#endif
        QTest::addColumn<AtomicFile::Kind>("kind");
        QTest::addColumn<bool>("othersRead"); // under a mask that lets them
        QTest::newRow("shared") << AtomicFile::Kind::Shared << true;
        QTest::newRow("private") << AtomicFile::Kind::Private << false;
    }
    void permissionsFollowTheKind()
    {
#ifndef Q_OS_WIN
        QFETCH(AtomicFile::Kind, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report"));
        const mode_t mask = ::umask(022);
        AtomicFile file(path, kind);
        QVERIFY(file.open());
        QCOMPARE(file.write("text"), qint64(4));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(file.commit());
        ::umask(mask);
        const QFile::Permissions permissions = QFileInfo(path).permissions();
        QVERIFY(permissions & QFile::ReadOwner);
        QTEST(bool(permissions & QFile::ReadOther), "othersRead");
        QVERIFY(!(permissions & (QFile::WriteGroup | QFile::WriteOther)));
#endif
    }

    void unfinishedLeavesNothing()
    {
        QTemporaryDir folder;
        {
            AtomicFile file(folder.filePath(QStringLiteral("report")), AtomicFile::Kind::Private);
            QVERIFY(file.open());
            file.write("half");
        }
        QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
