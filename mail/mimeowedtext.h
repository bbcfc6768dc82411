#pragma once

#include "mimepart.h"

#include <QByteArray>
#include <QString>

#include <vector>

class MimeSink;

// What a part still has to write after a preparation that left its body out:
// the head text, and either the raw content with the encoding and line length
// to apply, or (for a container) the same for each of its parts. The content
// is shared with the part, not copied, and stays as it was at preparation
// time whatever happens to the part afterwards.
struct MimeOwedText
{
    QString head;
    bool bodyOwed = false;      // false: head is the whole text
    QByteArray content;
    // When set, the content is the bytes of this file, read while writing
    // (a file part written piece by piece is never held whole in memory).
    QString contentFile;
    MimePart::Encoding encoding = MimePart::Enc8Bit;
    int maxLength = 76;
    bool container = false;     // body = parts between boundary lines
    QString boundary;
    std::vector<MimeOwedText> parts;

    // The container's content: its parts' text between the boundary lines.
    QByteArray containerContent() const;
    // The raw content: the bytes, or those of the file.
    QByteArray rawContent() const;
    // The whole text, as toString() gives it.
    QString text() const;
    // The UTF-8 bytes of text(), handed out piece by piece.
    bool write(MimeSink &sink) const;
};
