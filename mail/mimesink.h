#pragma once

#include <QByteArray>

// Receiver of serialised message bytes, handed over piece by piece.
class MimeSink
{
public:
    virtual ~MimeSink() = default;
    // false stops the writer.
    virtual bool write(const QByteArray &bytes) = 0;
    // The same for text known to be plain lines: ASCII without NUL, every
    // line ending a CR LF pair, no line beginning with "." and no line end at
    // its end (a Base64 body). A sink may pass such text on unexamined.
    virtual bool writePlainLines(const QByteArray &bytes) { return write(bytes); }
    // A sink that only measures takes plain lines by their length alone and
    // answers true; then a file's Base64 body is measured from the file's
    // size instead of being read and encoded. Other sinks answer false and
    // are handed the bytes.
    virtual bool measurePlainLines(qint64 length)
    {
        Q_UNUSED(length)
        return false;
    }
};
