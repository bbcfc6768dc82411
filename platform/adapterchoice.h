#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Which network adapter's address identifies the machine.
namespace AdapterChoice {

struct Adapter
{
    enum Type { Ethernet, Wireless, Other };

    QString description;
    bool up = false;
    Type type = Other;
    QByteArray mac; // physical address bytes
};

// Walks the adapters in the order listed: adapters that are down, neither
// Ethernet nor wireless, or described with "VMnet" are skipped; the first
// Ethernet adapter wins at once, otherwise the last wireless one is used.
// Empty when no adapter qualifies.
QString chooseMacAddress(const QList<Adapter> &adapters);

// The first six bytes as "%02X-%02X-%02X-%02X-%02X-%02X" (missing bytes read as 0).
QString formatMacAddress(const QByteArray &mac);

// Parses the "aa:bb:cc:dd:ee:ff" form; empty when the text is not one.
QByteArray parseMacAddress(const QString &text);

} // namespace AdapterChoice
