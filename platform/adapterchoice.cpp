#include "adapterchoice.h"

namespace AdapterChoice {

QString chooseMacAddress(const QList<Adapter> &adapters)
{
    QString wireless;
    for (const Adapter &adapter : adapters) {
        if (!adapter.up || adapter.type == Adapter::Other)
            continue;
        // VMware's host-only and NAT adapters; the check is case-sensitive on purpose.
        if (adapter.description.contains(QLatin1String("VMnet")))
            continue;
        if (adapter.type == Adapter::Ethernet)
            return formatMacAddress(adapter.mac);
        wireless = formatMacAddress(adapter.mac);
    }
    return wireless;
}

QString formatMacAddress(const QByteArray &mac)
{
    QByteArray bytes = mac.left(6);
    bytes.append(6 - bytes.size(), '\0');
    QString text;
    for (int i = 0; i < 6; ++i) {
        if (i > 0)
            text += QLatin1Char('-');
        text += QStringLiteral("%1").arg(uint(quint8(bytes.at(i))), 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

QByteArray parseMacAddress(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() < 6)
        return {};
    QByteArray bytes;
    for (const QString &part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok || part.size() > 2 || value > 0xFF)
            return {};
        bytes.append(char(value));
    }
    return bytes;
}

} // namespace AdapterChoice
