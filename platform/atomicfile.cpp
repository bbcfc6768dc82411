#include "atomicfile.h"

AtomicFile::AtomicFile(const QString &path, Kind kind)
    : QSaveFile(path)
    , m_kind(kind)
{
}

bool AtomicFile::open()
{
    if (!QSaveFile::open(QIODevice::WriteOnly))
        return false;
    // Set on the temporary file, so the name never shows a readable copy.
    if (m_kind == Kind::Private && !setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        cancelWriting();
        return false;
    }
    return true;
}
