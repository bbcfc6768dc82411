#pragma once

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <array>
#include <atomic>
#include <utility>
#include <vector>

class QIODevice;

// Finds what may be private in log text: e-mail addresses, values that look
// like passwords, tokens or keys, and home folders in paths. It counts them
// and can write a copy with each find replaced by a marker of its kind
// ("<email>", "<secret>", "~"). Everything else is copied byte for byte.
//
// Logs are taken as bytes in any ASCII-compatible encoding: the patterns are
// ASCII, so no decoding can change a byte outside a find. The text is read
// line by line, with lines longer than MaxLineBytes taken in pieces (a find
// that straddles a cut is missed), so memory stays bounded whatever the size.
//
// Labelled hashes ("sha256=<hex>", "commit <hex>") look like long hexadecimal
// secrets but are kept; the table in the .cpp lists these exemptions first.
class LogScanner
{
public:
    enum Kind { Email, Secret, HomeFolder };
    static constexpr int KindCount = 3;
    static constexpr qint64 MaxLineBytes = 64 * 1024;

    struct Counts
    {
        std::array<qint64, KindCount> found{};
        qint64 total() const;
        qint64 of(Kind kind) const { return found[size_t(kind)]; }
        Counts &operator+=(const Counts &other);
    };

    // homePath: the user's home folder, masked wherever a path starts with it.
    explicit LogScanner(const QString &homePath);

    static QByteArray marker(Kind kind);

    // One piece of text without its line end; finds are added to counts.
    QByteArray maskLine(const QByteArray &line, Counts &counts) const;
    // The same without the quick test that passes over lines that cannot
    // hold a find (for checking that test).
    QByteArray maskLineThoroughly(const QByteArray &line, Counts &counts) const;
    // False only when no row can match anywhere in the text: no '@', no
    // run long enough for a key, no word that names a secret, no home path.
    bool mayHoldFind(const QByteArray &text) const;
    // Reads in to its end and, when out is given, writes the masked copy
    // there. False on a read or write error, or once abort is raised.
    bool maskStream(QIODevice &in, QIODevice *out, Counts &counts,
                    const std::atomic<bool> *abort = nullptr) const;
    // The finds in a file; false when it cannot be read.
    bool scanFile(const QString &path, Counts &counts) const;

private:
    // One search of the whole text; true when a find was replaced.
    bool maskOnce(QString &text, Counts &counts) const;

    QRegularExpression m_pattern;
    QByteArray m_home; // the user's home folder as it appears in logs
    int m_homeGroup = -1;
    std::vector<std::pair<int, int>> m_groups; // per row: its group, its masked part's
};
