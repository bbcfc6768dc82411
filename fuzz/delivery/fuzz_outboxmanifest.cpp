#include "outbox.h"
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QString problem;
    Outbox::parseManifest(bytes, &problem);
    Outbox::isValidId(QString::fromUtf8(bytes));
    return 0;
}
