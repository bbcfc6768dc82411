#include "logmasking.h"

#include "atomicfile.h"
#include "zipstreamwriter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace LogMasking {

namespace {

// The masked copy keeps the original's name and time, which the archive
// stores: only the masked bytes differ from the unmasked archive.
bool writeMaskedCopy(const LogScanner &scanner, const QString &source, const QString &copy,
                     LogScanner::Counts &counts, const std::atomic<bool> *abort)
{
    QFile in(source);
    QFile out(copy);
    LogScanner::Counts found;
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)
        || !scanner.maskStream(in, &out, found, abort))
        return false;
    out.close();
    out.open(QIODevice::Append); // setFileTime needs an open file
    out.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    counts += found;
    return true;
}

} // namespace

QString noteName()
{
    return QStringLiteral("masked.txt");
}

QByteArray note(const LogScanner::Counts &masked, int hiddenAreas)
{
    // For support, not for the user: plain English, not translated.
    QByteArray text = "Parts of this report were masked or hidden on purpose before it was sent.\n";
    const std::pair<LogScanner::Kind, const char *> lines[] = {
        {LogScanner::Email, "e-mail addresses masked in the logs (<email>)"},
        {LogScanner::Secret, "passwords, tokens and keys masked in the logs (<secret>)"},
        {LogScanner::HomeFolder, "home folders masked in the logs' paths (~)"},
    };
    for (const auto &[kind, what] : lines) {
        if (masked.of(kind) > 0)
            text += QByteArray::number(masked.of(kind)) + ' ' + what + '\n';
    }
    if (hiddenAreas > 0)
        text += QByteArray::number(hiddenAreas) + " areas of screenshots or pictures blacked out\n";
    return text;
}

bool zipLogs(const QString &archivePath, const QStringList &logPaths, bool mask, int hiddenAreas,
             const std::atomic<bool> *abort)
{
    // Beside the archive rather than in the system's temporary folder, which
    // may be held in memory. What a masking cut short by the end of its
    // process left there goes first (a link of that name is not followed).
    const QDir folder = QFileInfo(archivePath).absoluteDir();
    const auto filter = QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks;
    for (const QString &left : folder.entryList({QStringLiteral(".masking-*")}, filter))
        QDir(folder.filePath(left)).removeRecursively();
    QTemporaryDir work(folder.filePath(QStringLiteral(".masking-XXXXXX")));
    if (!work.isValid())
        return false;
    const LogScanner scanner(QDir::homePath());
    LogScanner::Counts counts;
    ZipStreamWriter writer(archivePath);
    writer.setAbortFlag(abort);
    for (const QString &path : logPaths) {
        if (abort && *abort)
            return false; // the writer removes what it began
        if (!mask) {
            writer.addFile(path);
            continue;
        }
        const QString copy = work.filePath(QFileInfo(path).fileName());
        // A log that cannot be read whole is left out, as it is unmasked.
        if (writeMaskedCopy(scanner, path, copy, counts, abort))
            writer.addFile(copy);
        QFile::remove(copy);
    }
    if (counts.total() > 0 || hiddenAreas > 0) {
        AtomicFile noteFile(work.filePath(noteName()), AtomicFile::Kind::Shared);
        if (!noteFile.open() || noteFile.write(note(counts, hiddenAreas)) < 0
            || !noteFile.commit())
            return false;
        writer.addFile(work.filePath(noteName()));
    }
    return writer.commit() == ZipStreamWriter::Outcome::Written;
}

} // namespace LogMasking
