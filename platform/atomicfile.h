#pragma once

#include <QSaveFile>
#include <QString>

// A file written under a temporary name beside its own and renamed into place
// only by commit(): under its name it is whole or absent. What may read it
// follows from what it holds, one rule per kind.
class AtomicFile : public QSaveFile
{
public:
    enum class Kind {
        // Pictures, archives and files the user saves: as the user's mask allows.
        Shared,
        // Anything holding what the user wrote, kept by us for later: the owner
        // only. (On Windows the user's application data folder already is, by
        // the access list its files inherit; there are no mode bits to set.)
        Private,
    };

    AtomicFile(const QString &path, Kind kind);

    // Opens for writing, with the kind's permissions set before any byte.
    bool open();

private:
    using QSaveFile::open;
    const Kind m_kind;
};
