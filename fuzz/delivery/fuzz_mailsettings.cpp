#include "mailsettings.h"
#include "settingscipher.h"
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    MailSettings settings;
    parseMailSettings(QString::fromUtf8(bytes), QStringLiteral("P-1"), size % 2, settings);
    SettingsCipher(7309).decipherBytes(bytes);
    return 0;
}
