// Parsers for the files the Linux layer reads. Plain text work, built on every
// system so the tests that feed them build everywhere too.
#include "hostplatform.h"

namespace HostPlatform {

QString rootMountSource(const QByteArray &mountInfo)
{
    QString source;
    const QList<QByteArray> lines = mountInfo.split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5 || fields.at(4) != "/")
            continue;
        const int separator = fields.indexOf("-");
        if (separator < 0 || separator + 2 >= fields.size())
            continue;
        // A later mount on "/" hides an earlier one.
        source = QString::fromUtf8(fields.at(separator + 2));
    }
    return source;
}

QString serialFromVpdPage80(const QByteArray &page)
{
    if (page.size() < 4 || quint8(page.at(1)) != 0x80)
        return QString();
    const int length = (quint8(page.at(2)) << 8) | quint8(page.at(3));
    QByteArray serial = page.mid(4, length);
    const int zero = serial.indexOf('\0');
    if (zero >= 0)
        serial.truncate(zero);
    return QString::fromUtf8(serial).trimmed();
}

QString serialFromUdevData(const QByteArray &data)
{
    QString shortSerial;
    QString serial;
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("E:ID_SERIAL_SHORT="))
            shortSerial = QString::fromUtf8(line.mid(18)).trimmed();
        else if (line.startsWith("E:ID_SERIAL="))
            serial = QString::fromUtf8(line.mid(12)).trimmed();
    }
    return shortSerial.isEmpty() ? serial : shortSerial;
}

} // namespace HostPlatform
