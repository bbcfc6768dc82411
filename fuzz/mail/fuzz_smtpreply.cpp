// Server bytes read as SMTP replies, one after the other. Input: a byte that
// sets the reply size limit (64 bytes a step), then what the server sent.
#include "smtpreplyreader.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const qint64 limit = 64 * (data[0] + 1);
    QByteArray sent(reinterpret_cast<const char *>(data) + 1, int(size) - 1);
    QBuffer server(&sent);
    server.open(QIODevice::ReadOnly);
    QByteArray taken;
    for (SmtpReplyReader::Step step = SmtpReplyReader::Final; step == SmtpReplyReader::Final;) {
        SmtpReplyReader reply(limit);
        const int start = taken.size();
        while ((step = reply.readLine(server)) == SmtpReplyReader::Continued || step == SmtpReplyReader::Final) {
            taken += reply.line();
            if (step == SmtpReplyReader::Final)
                break;
        }
        // Whole lines in order, within the limit, and nothing beyond a reply's
        // last line: what follows is left for the check before the next command.
        const bool whole = step == SmtpReplyReader::TooLong
            || (server.pos() == taken.size() && (taken.isEmpty() || taken.endsWith('\n')));
        if (!sent.startsWith(taken) || taken.size() - start > limit || !whole)
            std::abort();
    }
    return 0;
}
