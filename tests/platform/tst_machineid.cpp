#include "adapterchoice.h"
#include "hostinfo.h"
#include "hostinforules.h"
#include "hostplatform.h"

#include <QtTest>

using AdapterChoice::Adapter;
Q_DECLARE_METATYPE(QList<Adapter>)

class TestMachineId : public QObject
{
    Q_OBJECT

private slots:
    void machineIdFor_data();
    void machineIdFor();
    void machineIdStable();
    void chooseAdapter_data();
    void chooseAdapter();
    void formatMac_data();
    void formatMac();
    void parseMac_data();
    void parseMac();
    void rootMountSource_data();
    void rootMountSource();
    void vpdPage80_data();
    void vpdPage80();
    void udevSerial_data();
    void udevSerial();
    void liveSourcesWellFormed();
};

void TestMachineId::machineIdFor_data()
{
    QTest::addColumn<QString>("serial");
    QTest::addColumn<QString>("mac");
    QTest::addColumn<QString>("expected");

    // Known MD5 digests: d41d8cd98f00b204e9800998ecf8427e is the empty input,
    // 0cc175b9c0f1b6a831c399e269772661 is "a", 900150983cd24fb0d6963f7d28e17f72 is "abc".
    QTest::newRow("both empty") << QString() << QString() << QStringLiteral("D41D8CD9-8F00-B204-E980-0998ECF8427E");
    QTest::newRow("serial only") << QStringLiteral("a") << QString() << QStringLiteral("0CC175B9-C0F1-B6A8-31C3-99E269772661");
    QTest::newRow("mac only") << QString() << QStringLiteral("a") << QStringLiteral("0CC175B9-C0F1-B6A8-31C3-99E269772661");
    QTest::newRow("joined without separator") << QStringLiteral("ab") << QStringLiteral("c") << QStringLiteral("90015098-3CD2-4FB0-D696-3F7D28E17F72");
}

void TestMachineId::machineIdFor()
{
    QFETCH(QString, serial);
    QFETCH(QString, mac);
    QFETCH(QString, expected);
    QCOMPARE(HostInfo::machineIdFor(serial, mac), expected);
}

void TestMachineId::machineIdStable()
{
    // Serial S and address 00-1A-2B-3C-4D-5E: the digest of the joined text, grouped.
    const QString serial = QStringLiteral("S");
    const QString mac = QStringLiteral("00-1A-2B-3C-4D-5E");
    const QByteArray hex = QCryptographicHash::hash("S00-1A-2B-3C-4D-5E", QCryptographicHash::Md5).toHex().toUpper();
    const QString expected = QStringLiteral("%1-%2-%3-%4-%5")
                                 .arg(QString::fromLatin1(hex.mid(0, 8)), QString::fromLatin1(hex.mid(8, 4)),
                                      QString::fromLatin1(hex.mid(12, 4)), QString::fromLatin1(hex.mid(16, 4)),
                                      QString::fromLatin1(hex.mid(20, 12)));
    QCOMPARE(HostInfo::machineIdFor(serial, mac), expected);
    // Order matters: serial first.
    QVERIFY(HostInfo::machineIdFor(mac, serial) != expected);
    // Non-ASCII serials are hashed as UTF-8.
    QCOMPARE(HostInfo::machineIdFor(QStringLiteral("\u00e9"), QString()),
             QUuid::fromRfc4122(QCryptographicHash::hash("\xc3\xa9", QCryptographicHash::Md5))
                 .toString(QUuid::WithoutBraces).toUpper());

    // This machine: the same text on every call, in the fixed shape, and equal to its sources' digest.
    const QString first = HostInfo::machineId();
    QCOMPARE(HostInfo::machineId(), first);
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"))
                 .match(first).hasMatch(), qPrintable(first));
    QCOMPARE(first, HostInfo::machineIdFor(HostInfo::diskSerialNumber(), HostInfo::adapterMacAddress()));
}

namespace {

Adapter adapter(const char *description, bool up, Adapter::Type type, const QByteArray &mac)
{
    Adapter a;
    a.description = QString::fromLatin1(description);
    a.up = up;
    a.type = type;
    a.mac = mac;
    return a;
}

const QByteArray macA = QByteArray::fromHex("001A2B3C4D5E");
const QByteArray macB = QByteArray::fromHex("A0B1C2D3E4F5");
const QByteArray macC = QByteArray::fromHex("0C0D0E0F1011");

} // namespace

void TestMachineId::chooseAdapter_data()
{
    QTest::addColumn<QList<Adapter>>("adapters");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << QList<Adapter>() << QString();
    QTest::newRow("single ethernet") << QList<Adapter>{adapter("Intel", true, Adapter::Ethernet, macA)}
                                     << QStringLiteral("00-1A-2B-3C-4D-5E");
    QTest::newRow("ethernet listed after wireless wins")
        << QList<Adapter>{adapter("Wi-Fi", true, Adapter::Wireless, macB), adapter("Intel", true, Adapter::Ethernet, macA)}
        << QStringLiteral("00-1A-2B-3C-4D-5E");
    QTest::newRow("first ethernet wins")
        << QList<Adapter>{adapter("eth0", true, Adapter::Ethernet, macB), adapter("eth1", true, Adapter::Ethernet, macA)}
        << QStringLiteral("A0-B1-C2-D3-E4-F5");
    QTest::newRow("two wireless: last")
        << QList<Adapter>{adapter("wlan0", true, Adapter::Wireless, macA), adapter("wlan1", true, Adapter::Wireless, macB)}
        << QStringLiteral("A0-B1-C2-D3-E4-F5");
    QTest::newRow("VMnet skipped")
        << QList<Adapter>{adapter("VMware Virtual Ethernet Adapter for VMnet8", true, Adapter::Ethernet, macA),
                          adapter("Wi-Fi", true, Adapter::Wireless, macB)}
        << QStringLiteral("A0-B1-C2-D3-E4-F5");
    QTest::newRow("vmnet in lower case kept")
        << QList<Adapter>{adapter("my vmnet adapter", true, Adapter::Ethernet, macA),
                          adapter("Wi-Fi", true, Adapter::Wireless, macB)}
        << QStringLiteral("00-1A-2B-3C-4D-5E");
    QTest::newRow("down ethernet skipped")
        << QList<Adapter>{adapter("eth0", false, Adapter::Ethernet, macA), adapter("wlan0", true, Adapter::Wireless, macB)}
        << QStringLiteral("A0-B1-C2-D3-E4-F5");
    QTest::newRow("down wireless does not replace")
        << QList<Adapter>{adapter("wlan0", true, Adapter::Wireless, macA), adapter("wlan1", false, Adapter::Wireless, macB)}
        << QStringLiteral("00-1A-2B-3C-4D-5E");
    QTest::newRow("other types skipped")
        << QList<Adapter>{adapter("tunnel", true, Adapter::Other, macC), adapter("wlan0", true, Adapter::Wireless, macA)}
        << QStringLiteral("00-1A-2B-3C-4D-5E");
    QTest::newRow("all down") << QList<Adapter>{adapter("eth0", false, Adapter::Ethernet, macA)} << QString();
    QTest::newRow("ethernet after two wireless")
        << QList<Adapter>{adapter("w1", true, Adapter::Wireless, macA), adapter("w2", true, Adapter::Wireless, macB),
                          adapter("e", true, Adapter::Ethernet, macC)}
        << QStringLiteral("0C-0D-0E-0F-10-11");
}

void TestMachineId::chooseAdapter()
{
    QFETCH(QList<Adapter>, adapters);
    QFETCH(QString, expected);
    QCOMPARE(AdapterChoice::chooseMacAddress(adapters), expected);
}

void TestMachineId::formatMac_data()
{
    QTest::addColumn<QByteArray>("mac");
    QTest::addColumn<QString>("expected");
    QTest::newRow("six bytes") << QByteArray::fromHex("00ff7a0b0c0d") << QStringLiteral("00-FF-7A-0B-0C-0D");
    QTest::newRow("eight bytes: first six") << QByteArray::fromHex("0102030405060708") << QStringLiteral("01-02-03-04-05-06");
    QTest::newRow("short address padded") << QByteArray::fromHex("0102") << QStringLiteral("01-02-00-00-00-00");
    QTest::newRow("empty") << QByteArray() << QStringLiteral("00-00-00-00-00-00");
}

void TestMachineId::formatMac()
{
    QFETCH(QByteArray, mac);
    QFETCH(QString, expected);
    QCOMPARE(AdapterChoice::formatMacAddress(mac), expected);
}

void TestMachineId::parseMac_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("sysfs form") << QStringLiteral("00:1a:2b:3c:4d:5e\n") << QByteArray::fromHex("001a2b3c4d5e");
    QTest::newRow("upper case") << QStringLiteral("A0:B1:C2:D3:E4:F5") << QByteArray::fromHex("a0b1c2d3e4f5");
    QTest::newRow("too short") << QStringLiteral("00:11:22") << QByteArray();
    QTest::newRow("bad digit") << QStringLiteral("00:11:22:33:44:zz") << QByteArray();
    QTest::newRow("three digits") << QStringLiteral("00:11:22:33:44:555") << QByteArray();
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestMachineId::parseMac()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(AdapterChoice::parseMacAddress(text), bytes);
}

void TestMachineId::rootMountSource_data()
{
    QTest::addColumn<QByteArray>("mountInfo");
    QTest::addColumn<QString>("source");
    QTest::newRow("ext4 root")
        << QByteArray("22 1 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw\n"
                      "23 22 0:21 / /proc rw,nosuid shared:12 - proc proc rw\n")
        << QStringLiteral("/dev/nvme0n1p2");
    QTest::newRow("no optional fields") << QByteArray("1 0 8:1 / / rw - xfs /dev/sda1 rw\n") << QStringLiteral("/dev/sda1");
    QTest::newRow("later mount hides earlier")
        << QByteArray("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n2 1 0:50 / / rw - overlay overlay rw\n")
        << QStringLiteral("overlay");
    QTest::newRow("sub-folder of root is not root")
        << QByteArray("1 0 8:1 /home /home rw - ext4 /dev/sdb1 rw\n") << QString();
    QTest::newRow("truncated line") << QByteArray("1 0 8:1 / / rw -\n") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestMachineId::rootMountSource()
{
    QFETCH(QByteArray, mountInfo);
    QFETCH(QString, source);
    QCOMPARE(HostPlatform::rootMountSource(mountInfo), source);
}

void TestMachineId::vpdPage80_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("serial");
    QTest::newRow("padded serial") << QByteArray("\x00\x80\x00\x0c  WD-ABC123  ", 16) << QStringLiteral("WD-ABC123");
    QTest::newRow("length shorter than data") << QByteArray("\x00\x80\x00\x03XYZW", 8) << QStringLiteral("XYZ");
    QTest::newRow("length longer than data") << QByteArray("\x00\x80\x00\xffXY", 6) << QStringLiteral("XY");
    QTest::newRow("zero terminated") << QByteArray("\x00\x80\x00\x06" "AB\0CD\0", 10) << QStringLiteral("AB");
    QTest::newRow("other page") << QByteArray("\x00\x83\x00\x02XY", 6) << QString();
    QTest::newRow("header only cut") << QByteArray("\x00\x80\x00", 3) << QString();
}

void TestMachineId::vpdPage80()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, serial);
    QCOMPARE(HostPlatform::serialFromVpdPage80(page), serial);
}

void TestMachineId::udevSerial_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("serial");
    QTest::newRow("short serial preferred")
        << QByteArray("S:disk/by-id/x\nE:ID_SERIAL=Samsung_SSD_860_S3Z9NB0K\nE:ID_SERIAL_SHORT=S3Z9NB0K\n")
        << QStringLiteral("S3Z9NB0K");
    QTest::newRow("long serial only") << QByteArray("E:ID_SERIAL=QEMU_HARDDISK_QM00001\n") << QStringLiteral("QEMU_HARDDISK_QM00001");
    QTest::newRow("none") << QByteArray("E:ID_MODEL=Disk\n") << QString();
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestMachineId::udevSerial()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, serial);
    QCOMPARE(HostPlatform::serialFromUdevData(data), serial);
}

void TestMachineId::liveSourcesWellFormed()
{
    const QString serial = HostInfo::diskSerialNumber();
    QCOMPARE(serial, serial.trimmed());
    const QString mac = HostInfo::adapterMacAddress();
    if (!mac.isEmpty())
        QVERIFY2(QRegularExpression(QStringLiteral("^([0-9A-F]{2}-){5}[0-9A-F]{2}$")).match(mac).hasMatch(), qPrintable(mac));
    for (const Adapter &a : HostPlatform::networkAdapters())
        QVERIFY(!a.description.isEmpty());
}

QTEST_GUILESS_MAIN(TestMachineId)
#include "tst_machineid.moc"
