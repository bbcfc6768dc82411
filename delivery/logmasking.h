#pragma once

#include "logscanner.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The log archive when the user asked for privacy: masked copies of the logs
// (the files on disk stay as they are) and a note "masked.txt" that says what
// was hidden or masked and how much, never what. With nothing asked for, the
// packaging writes the archive as it always has, byte for byte.
namespace LogMasking {

// Name of the note inside the log archive.
QString noteName();

// The note's text: one line per kind found, and the screenshot areas hidden.
QByteArray note(const LogScanner::Counts &masked, int hiddenAreas);

// Writes the log archive: each file masked when mask is set (streamed through
// a copy beside the archive, one file at a time, so memory and extra disk
// stay bounded by one file), then the note when anything was masked or
// hidden. False when the archive could not be written.
bool zipLogs(const QString &archivePath, const QStringList &logPaths, bool mask, int hiddenAreas);

} // namespace LogMasking
