// The downloaded mail settings document and its enciphered password: any
// bytes, in either mode, must end without a crash, a hang or a large allocation.
#include "mailsettings.h"
#include "settingscipher.h"
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    MailSettings settings;
    parseMailSettings(QString::fromUtf8(bytes), QStringLiteral("P-1"), size % 2 == 0, settings);
    SettingsCipher(7309).decipherBytes(bytes);
    return 0;
}
