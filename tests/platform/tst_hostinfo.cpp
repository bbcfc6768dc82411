#include "hostinfo.h"
#include "hostinforules.h"
#include "hostplatform.h"
#include "testsupport.h"

#include <QtTest>

class TestHostInfo : public QObject
{
    Q_OBJECT

private slots:
    void productNameFromListing_data();
    void productNameFromListing();
    void prettyName_data();
    void prettyName();
    void productNameOnThisSystem();
    void findITunesVersion_data();
    void findITunesVersion();
    void iTunesVersionFrom();
    void iTunesVersionText_data();
    void iTunesVersionText();
    void x64Executable_data();
    void x64Executable();
    void fileVersionTrimmedNeverFails();
};

void TestHostInfo::productNameFromListing_data()
{
    QTest::addColumn<QString>("listing");
    QTest::addColumn<QString>("expected");

    const QString typical = QStringLiteral(
        "\r\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\r\n"
        "    ProductName    REG_SZ    Windows 10 Pro\r\n\r\n");
    QTest::newRow("typical listing") << typical << QStringLiteral("Windows 10 Pro");
    QTest::newRow("last Win counts") << QStringLiteral("Windows Win Server Win7") << QStringLiteral("Win7");
    QTest::newRow("no Win: whole text trimmed") << QStringLiteral("  ERROR: key not found \n") << QStringLiteral("ERROR: key not found");
    QTest::newRow("lower-case win does not count") << QStringLiteral(" windows 11 ") << QStringLiteral("windows 11");
    QTest::newRow("empty") << QString() << QStringLiteral("Computer OS: UnKnown");
    QTest::newRow("blanks only") << QStringLiteral(" \r\n\t") << QStringLiteral("Computer OS: UnKnown");
    QTest::newRow("Win at the very end") << QStringLiteral("abc Win") << QStringLiteral("Win");
}

void TestHostInfo::productNameFromListing()
{
    QFETCH(QString, listing);
    QFETCH(QString, expected);
    QCOMPARE(HostInfo::productNameFromListing(listing), expected);
}

void TestHostInfo::prettyName_data()
{
    QTest::addColumn<QByteArray>("osRelease");
    QTest::addColumn<QString>("expected");

    QTest::newRow("double quoted") << QByteArray("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n")
                                   << QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    QTest::newRow("unquoted") << QByteArray("PRETTY_NAME=Arch\n") << QStringLiteral("Arch");
    QTest::newRow("single quoted") << QByteArray("PRETTY_NAME='My OS 1'\n") << QStringLiteral("My OS 1");
    QTest::newRow("escaped quote") << QByteArray("PRETTY_NAME=\"The \\\"Best\\\" OS\"\n") << QStringLiteral("The \"Best\" OS");
    QTest::newRow("utf-8") << QByteArray("PRETTY_NAME=\"Syst\xc3\xa8me\"") << QStringLiteral("Syst\u00e8me");
    QTest::newRow("absent") << QByteArray("NAME=Foo\nVERSION=1\n") << QString();
    QTest::newRow("similar key ignored") << QByteArray("XPRETTY_NAME=No\n") << QString();
    QTest::newRow("empty file") << QByteArray() << QString();
}

void TestHostInfo::prettyName()
{
    QFETCH(QByteArray, osRelease);
    QFETCH(QString, expected);
    QCOMPARE(HostInfo::prettyNameFromOsRelease(osRelease), expected);
}

void TestHostInfo::productNameOnThisSystem()
{
    const QString name = HostInfo::windowsProductName();
    QVERIFY(!name.isEmpty());
    QCOMPARE(name, name.trimmed());
}

namespace {

// Version reader for tests: the file's contents are its version.
QString versionFromContents(const QString &path)
{
    return QString::fromUtf8(TestSupport::readFile(path)).trimmed();
}

} // namespace

void TestHostInfo::findITunesVersion_data()
{
    QTest::addColumn<QString>("root");        // searched folder below a temporary folder; "-" = empty path
    QTest::addColumn<QStringList>("files");   // written as path=contents (the contents are the version)
    QTest::addColumn<QString>("found");       // the one path handed to the version reader, if any

    QTest::newRow("store folder, exe in capitals")
        << QString() << QStringList{"Microsoft.Photos/iTunes.exe=0.1", "AppleInc.iTunes_12.0_x64/ITUNES.EXE=12.0.1.5"}
        << "AppleInc.iTunes_12.0_x64/ITUNES.EXE";
    // Sorted without regard to case: "a_itunes_helper" comes before "AppleInc.iTunes".
    QTest::newRow("folder without exe skipped")
        << QString()
        << QStringList{"a_itunes_helper/readme.txt=x", "AppleInc.iTunes_12.0_x64/iTunes.exe=12.0", "ZZ.iTunes_13.0/itunes.exe=13.0"}
        << "AppleInc.iTunes_12.0_x64/iTunes.exe";
    QTest::newRow("no folder holds the exe")
        << QString() << QStringList{"iTunesStuff/other.exe=1", "Player/iTunes.exe=2"} << QString();
    // A file whose name contains itunes is not a folder to search.
    QTest::newRow("files named like folders ignored")
        << QString() << QStringList{"iTunes.exe=9", "iTunesLink=9"} << QString();
    QTest::newRow("missing folder") << "absent" << QStringList() << QString();
    QTest::newRow("empty path") << "-" << QStringList() << QString();
}

void TestHostInfo::findITunesVersion()
{
    QFETCH(QString, root);
    QFETCH(QStringList, files);
    QFETCH(QString, found);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &file : qAsConst(files)) {
        const int eq = file.indexOf(QLatin1Char('='));
        QVERIFY(TestSupport::writeFile(dir.filePath(file.left(eq)), file.mid(eq + 1).toUtf8()));
    }
    const QString searched = root == QLatin1String("-") ? QString() : root.isEmpty() ? dir.path() : dir.filePath(root);

    // The reader is handed the absolute path of the file found, and only that one.
    QStringList seen;
    const QString version = HostInfo::findITunesVersion(searched, [&](const QString &path) {
        seen << path;
        return versionFromContents(path);
    });
    QCOMPARE(seen, found.isEmpty() ? QStringList() : QStringList{dir.filePath(found)});
    QCOMPARE(version, found.isEmpty() ? QString() : versionFromContents(dir.filePath(found)));
    if (found.isEmpty())
        QCOMPARE(HostInfo::findITunesVersion(searched), QString());
}

void TestHostInfo::iTunesVersionFrom()
{
    QTemporaryDir first, second;
    QVERIFY(TestSupport::writeFile(second.filePath(QStringLiteral("AppleInc.iTunes/iTunes.exe")), "12.9"));
    const QStringList folders{first.path(), second.path()};

    QCOMPARE(HostInfo::iTunesVersionFrom(QStringLiteral("12.10.11.2"), folders, versionFromContents),
             QStringLiteral("12.10.11.2"));
    QCOMPARE(HostInfo::iTunesVersionFrom(QString(), folders, versionFromContents), QStringLiteral("12.9"));
    QCOMPARE(HostInfo::iTunesVersionFrom(QString(), {first.path()}, versionFromContents), QStringLiteral("UnKnown"));
    // A found file without a version counts as not found.
    QCOMPARE(HostInfo::iTunesVersionFrom(QString(), folders, [](const QString &) { return QString(); }),
             QStringLiteral("UnKnown"));
}

void TestHostInfo::iTunesVersionText_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("expected");
    QTest::newRow("registry version") << QStringLiteral("12.10.11.2") << QStringLiteral("iTunes 12.10.11.2");
    QTest::newRow("marker") << QStringLiteral("UnKnown") << QStringLiteral("Unknown iTunes Version");
    QTest::newRow("marker in other case is a version") << QStringLiteral("unknown") << QStringLiteral("iTunes unknown");
    QTest::newRow("empty") << QString() << QStringLiteral("Unknown iTunes Version");
}

void TestHostInfo::iTunesVersionText()
{
    QFETCH(QString, version);
    QFETCH(QString, expected);
    QCOMPARE(HostInfo::iTunesVersionTextFor(version), expected);
    // This system has neither registry nor store folders.
    QCOMPARE(HostInfo::iTunesVersionText(), QStringLiteral("Unknown iTunes Version"));
}

namespace {

QByteArray elfHeader(char elfClass, char data, quint16 machine)
{
    QByteArray head(64, '\0');
    head.replace(0, 4, "\x7f" "ELF");
    head[4] = elfClass;
    head[5] = data;
    if (data == 2) {
        head[18] = char(machine >> 8);
        head[19] = char(machine & 0xFF);
    } else {
        head[18] = char(machine & 0xFF);
        head[19] = char(machine >> 8);
    }
    return head;
}

QByteArray peFile(quint16 machine, quint32 offset = 0x80)
{
    QByteArray file(int(offset) + 24, '\0');
    file.replace(0, 2, "MZ");
    for (int i = 0; i < 4; ++i)
        file[0x3C + i] = char((offset >> (8 * i)) & 0xFF);
    file.replace(int(offset), 4, QByteArray("PE\0\0", 4));
    file[int(offset) + 4] = char(machine & 0xFF);
    file[int(offset) + 5] = char(machine >> 8);
    return file;
}

} // namespace

void TestHostInfo::x64Executable_data()
{
#ifdef Q_OS_WIN
    QSKIP("the header reader of the Linux layer; Windows asks GetBinaryTypeW, which needs a whole image "
          "(the Win32 rows check it on real programs)");
#endif
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("x64");

    QTest::newRow("elf x86-64") << elfHeader(2, 1, 62) << true;
    QTest::newRow("elf 32-bit i386") << elfHeader(1, 1, 3) << false;
    QTest::newRow("elf 64-bit aarch64") << elfHeader(2, 1, 183) << false;
    QTest::newRow("elf class 32 with x86-64 machine") << elfHeader(1, 1, 62) << false;
    QTest::newRow("elf big-endian x86-64 field") << elfHeader(2, 2, 62) << true;
    QTest::newRow("elf unknown byte order") << elfHeader(2, 0, 62) << false;
    QTest::newRow("elf truncated") << elfHeader(2, 1, 62).left(19) << false;
    QTest::newRow("pe amd64") << peFile(0x8664) << true;
    QTest::newRow("pe i386") << peFile(0x014C) << false;
    QTest::newRow("pe header far away") << peFile(0x8664, 0x400) << true;
    QTest::newRow("pe offset beyond the file") << peFile(0x8664).left(0x80) << false;
    QTest::newRow("mz without pe") << QByteArray("MZ") + QByteArray(200, '\0') << false;
    QTest::newRow("script") << QByteArray("#!/bin/sh\necho hi\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestHostInfo::x64Executable()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, x64);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("program"));
    QVERIFY(TestSupport::writeFile(path, contents));
    QCOMPARE(HostInfo::isX64Executable(path), x64);
    QVERIFY(!HostInfo::isX64Executable(dir.filePath(QStringLiteral("absent"))));
}

void TestHostInfo::fileVersionTrimmedNeverFails()
{
    QCOMPARE(HostInfo::fileVersionTrimmed(QStringLiteral("/nonexistent/file.exe")), QString());
    QCOMPARE(HostInfo::fileVersionTrimmed(QCoreApplication::applicationFilePath()), QString());
    // The running test program is native: its own kind tells what the host is.
    QCOMPARE(HostInfo::isX64Executable(QCoreApplication::applicationFilePath()),
             QSysInfo::buildCpuArchitecture() == QLatin1String("x86_64"));
}

QTEST_GUILESS_MAIN(TestHostInfo)
#include "tst_hostinfo.moc"
