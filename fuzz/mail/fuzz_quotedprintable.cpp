#include "quotedprintable.h"
#include <QByteArray>
#include <QString>
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QuotedPrintable::decode(QString::fromLatin1(bytes));
    QuotedPrintable::encode(bytes);
    return 0;
}
