// The log scanner reads whatever the host product wrote: any bytes, any
// line lengths. Masking must end, keep every byte outside a find, and count
// exactly one marker per find; the quick test that skips lines must never
// skip one with a find.
#include "logscanner.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const LogScanner scanner(QStringLiteral("/home/fuzz"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QBuffer in;
    in.setData(bytes);
    QBuffer out;
    in.open(QIODevice::ReadOnly);
    out.open(QIODevice::WriteOnly);
    LogScanner::Counts counts;
    if (!scanner.maskStream(in, &out, counts))
        abort();
    if (counts.total() == 0 && out.data() != bytes)
        abort();
    // The quick test never passes over a find.
    LogScanner::Counts quick;
    LogScanner::Counts thorough;
    const QByteArray head = bytes.left(4096);
    if (scanner.maskLine(head, quick) != scanner.maskLineThoroughly(head, thorough))
        abort();
    // Masking is idempotent: a marker never makes a new find (checked where
    // no line is long enough to be cut into pieces at other places; markers
    // make a line at most about 2.2 times as long: "pwd=x;" is "pwd=<secret>;").
    if (size > LogScanner::MaxLineBytes / 4)
        return 0;
    LogScanner::Counts again;
    QBuffer masked;
    masked.setData(out.data());
    QBuffer sink;
    masked.open(QIODevice::ReadOnly);
    sink.open(QIODevice::WriteOnly);
    if (!scanner.maskStream(masked, &sink, again) || sink.data() != out.data())
        abort();
    return 0;
}
