// Pictures loaded as the tiles load them: screenshots by suffix, files from disk by contents.
#include "picturethumbnail.h"
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Pixmaps need an application (kept to the end, so the leak check at exit
    // sees it in use); libFuzzer's options are not Qt's.
    static int argc = 1;
    static char name[] = "fuzz_thumbnail";
    static char *argv[] = {name, nullptr};
    static const QGuiApplication *app = new QGuiApplication(argc, argv);
    return app ? 0 : 1;
}
// fontconfig, set up with the application, leaks memory of its own.
extern "C" const char *__lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("picture.png")));
    if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        return 0;
    file.close();
    PictureThumbnail::load(file.fileName(), PictureThumbnail::FormatFrom::SuffixThenContents);
    PictureThumbnail::load(file.fileName(), PictureThumbnail::FormatFrom::Contents);
    return 0;
}
