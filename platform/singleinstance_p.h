#pragma once

#include <QString>

// Between the shared single-instance code and each system's (linux/, win32/).
namespace SingleInstanceSystem {

// Tells the current user apart from others on the machine ("-" and an id); per system.
QString userSuffix();
// A file-name-safe stem for the names of the lock and the listener; an empty
// key stands for the running program.
QString stemForKey(const QString &key);

} // namespace SingleInstanceSystem
