#include "draftstore.h"
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    QString problem;
    DraftStore::parse(bytes, &problem);
    return 0;
}
