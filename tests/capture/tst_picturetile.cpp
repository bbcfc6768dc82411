#include "cpictureeditor.h"
#include "imgview.h"
#include "picturethumbnail.h"
#include "screenshotwriter.h"
#include "testsupport.h"

#include <QtTest>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include <array>
#include <memory>

Q_DECLARE_METATYPE(PictureThumbnail::FormatFrom)

namespace {

quint32 crc32(const QByteArray &bytes)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (const char byte : bytes)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void appendBigEndian(QByteArray &out, quint32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xff));
}

// A PNG signature and a valid IHDR chunk declaring the given size, followed by
// a tiny (wrong) data chunk: enough for a reader to report the size, never
// enough to decode.
QByteArray pngHeaderOnly(quint32 width, quint32 height)
{
    QByteArray ihdr("IHDR");
    appendBigEndian(ihdr, width);
    appendBigEndian(ihdr, height);
    ihdr.append(char(8)).append(char(6)).append(char(0)).append(char(0)).append(char(0));
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendBigEndian(png, 13);
    png.append(ihdr);
    appendBigEndian(png, crc32(ihdr));
    const QByteArray idat("IDAT\x78\x9c\x03\x00", 8);
    appendBigEndian(png, 4);
    png.append(idat);
    appendBigEndian(png, crc32(idat));
    return png;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A small JPEG claiming another size: the reader fills in what its data does not cover.
QByteArray jpegClaiming(quint16 width, quint16 height, bool progressive)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(progressive);
    writer.write(filled(64, 64, qRgb(200, 10, 10)));
    QByteArray jpeg = buffer.data();
    char *frame = jpeg.data() + jpeg.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    qToBigEndian(height, frame + 5);
    qToBigEndian(width, frame + 7);
    return jpeg;
}

} // namespace

class TestPictureTile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void tileScalesKeepingAspect_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide") << QSize(450, 100) << QSize(45, 10);
        QTest::newRow("tall") << QSize(40, 400) << QSize(4, 40);
        QTest::newRow("small-enlarged") << QSize(9, 8) << QSize(45, 40);
    }
    void tileScalesKeepingAspect()
    {
        QFETCH(QSize, picture);
        ImgView tile;
        QCOMPARE(tile.pictureLabel()->objectName(), QStringLiteral("label"));
        QCOMPARE(tile.closeButton()->objectName(), QStringLiteral("pushButton"));
        QCOMPARE(tile.objectName(), QStringLiteral("ImgView"));
        QPixmap pixmap(picture);
        pixmap.fill(Qt::green);
        tile.setPicture(pixmap);
        QTEST(tile.pictureLabel()->pixmap(Qt::ReturnByValue).size(), "shown");
    }

    void closeButtonReportsItself()
    {
        ImgView tile;
        QCOMPARE(tile.closeButton()->focusPolicy(), Qt::TabFocus);
        QVERIFY(tile.testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(tile.contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(tile.maximumSize(), QSize(94, 45));
        QCOMPARE(tile.closeButton()->geometry(), QRect(38, 0, 15, 15));
        QSignalSpy spy(&tile, &ImgView::SignalClose);
        QTest::mouseClick(tile.closeButton(), Qt::LeftButton);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<QPushButton *>(), tile.closeButton());
    }

    void acceptableSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<bool>("acceptable");
        QTest::newRow("side-30000") << QSize(30000, 1) << qint64(0) << true;
        QTest::newRow("side-30001") << QSize(30001, 1) << qint64(0) << false;
        QTest::newRow("height-30001") << QSize(1, 30001) << qint64(0) << false;
        QTest::newRow("pixels-100M") << QSize(10000, 10000) << qint64(0) << true;
        QTest::newRow("pixels-100M-plus-row") << QSize(10000, 10001) << qint64(0) << false;
        QTest::newRow("bytes-at-limit") << QSize(100, 100) << PictureThumbnail::MaxDecodeBytes << true;
        QTest::newRow("bytes-over-limit") << QSize(100, 100) << PictureThumbnail::MaxDecodeBytes + 1 << false;
        QTest::newRow("empty") << QSize(0, 10) << qint64(0) << false;
        QTest::newRow("unknown") << QSize() << qint64(0) << false;
    }
    void acceptableSize()
    {
        QFETCH(QSize, size);
        QFETCH(qint64, bytes);
        QTEST(PictureThumbnail::isAcceptable(size, bytes), "acceptable");
    }

    void load_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<PictureThumbnail::FormatFrom>("format");
        QTest::addColumn<QSize>("size");
        const QSize none;
        using F = PictureThumbnail::FormatFrom;
        for (const F hint : {F::SuffixThenContents, F::Contents}) {
            const QByteArray tag = hint == F::Contents ? "contents" : "suffix";
            QTest::newRow(("jpeg-named-png/" + tag).constData()) << "jpeg.png" << hint << QSize(45, 20);
            QTest::newRow(("png/" + tag).constData()) << "wide.png" << hint << QSize(45, 20);
            QTest::newRow(("bmp/" + tag).constData()) << "small.bmp" << hint << QSize(20, 10);
            QTest::newRow(("gif/" + tag).constData()) << "dot.gif" << hint << QSize(1, 1);
            QTest::newRow(("longest-side-png/" + tag).constData()) << "line.png" << hint << QSize(45, 1);
            QTest::newRow(("text-named-png/" + tag).constData()) << "text.png" << hint << none;
            QTest::newRow(("missing/" + tag).constData()) << "missing.png" << hint << none;
            QTest::newRow(("20000-square-header/" + tag).constData()) << "huge.png" << hint << none;
            QTest::newRow(("side-30001-header/" + tag).constData()) << "long.png" << hint << none;
            QTest::newRow(("pixels-over-100M-header/" + tag).constData()) << "many.png" << hint << none;
            QTest::newRow(("gif-16000-screen/" + tag).constData()) << "screen.gif" << hint << none;
            QTest::newRow(("jpeg-108MP-phone/" + tag).constData()) << "phone108.jpg" << hint << QSize(45, 33);
            QTest::newRow(("jpeg-200MP-phone/" + tag).constData()) << "phone200.jpg" << hint << QSize(45, 33);
            QTest::newRow(("jpeg-48MP-progressive/" + tag).constData()) << "progressive.jpg" << hint << none;
            QTest::newRow(("png-36MP/" + tag).constData()) << "gray.png" << hint << none;
            QTest::newRow(("ico-16px-carrying-36MP-png/" + tag).constData()) << "gray.ico" << hint << none;
        }
    }
    void load()
    {
        QFETCH(QString, file);
        QFETCH(PictureThumbnail::FormatFrom, format);
        QFETCH(QSize, size);
        const QPixmap pixmap = PictureThumbnail::load(path(file), format);
        QCOMPARE(pixmap.isNull(), !size.isValid());
        if (size.isValid())
            QCOMPARE(pixmap.size(), size);
    }

    void thumbnailFromImage_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("desktop") << QSize(1920, 1080) << QSize(45, 25);
        QTest::newRow("tall") << QSize(400, 4000) << QSize(4, 40);
        QTest::newRow("smaller than the tile") << QSize(20, 10) << QSize(20, 10);
        QTest::newRow("none") << QSize() << QSize(0, 0);
    }
    void thumbnailFromImage()
    {
        QFETCH(QSize, picture);
        const QImage image = picture.isValid() ? filled(picture.width(), picture.height(), qRgb(10, 120, 200)) : QImage();
        const QPixmap thumbnail = PictureThumbnail::fromImage(image);
        QTEST(thumbnail.size(), "size");
        if (!thumbnail.isNull())
            QCOMPARE(thumbnail.toImage().pixel(thumbnail.width() / 2, thumbnail.height() / 2), qRgb(10, 120, 200));
    }

    // What the caller does while a save is under way, and what is left.
    void screenshotWriter_data()
    {
        QTest::addColumn<QString>("meanwhile"); // "", "discard", "discard all" or "destroy"
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("reported"); // -1 not at all, else the reported result
        QTest::newRow("written") << "" << false << true << true << 1;
        QTest::newRow("held, written on waiting") << "" << true << true << true << 1;
        QTest::newRow("no folder") << "" << false << false << false << 0;
        QTest::newRow("discarded while writing") << "discard" << false << true << false << -1;
        QTest::newRow("discarded while held") << "discard" << true << true << false << -1;
        QTest::newRow("all discarded") << "discard all" << false << true << false << -1;
        QTest::newRow("writer destroyed while writing") << "destroy" << false << true << false << -1;
    }
    void screenshotWriter()
    {
        QFETCH(QString, meanwhile);
        QFETCH(bool, held);
        QFETCH(bool, folderExists);
        QFETCH(int, reported);
        QTemporaryDir folder;
        const QString target = folder.filePath(folderExists ? "shot.png" : "missing/shot.png");
        QImage picture(800, 600, QImage::Format_RGB32); // noise: slow to encode
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, QRandomGenerator::global()->generate());

        auto writer = std::make_unique<ScreenshotWriter>();
        QSignalSpy spy(writer.get(), &ScreenshotWriter::finished);
        if (held)
            writer->hold();
        writer->save(picture, target);
        if (meanwhile == "discard")
            writer->discard(target);
        else if (meanwhile == "discard all")
            writer->discardAll();
        // Callers remove the file of a discarded save; one that ended first may be there.
        if (!meanwhile.isEmpty())
            QFile::remove(target);
        if (meanwhile == "destroy")
            writer.reset();
        else
            writer->waitForPending();
        QCoreApplication::processEvents(); // a report must not come twice

        QTEST(QFileInfo::exists(target), "written");
        if (QFileInfo::exists(target))
            QCOMPARE(QImage(target), picture);
        // No temporary file either.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), QFileInfo::exists(target) ? 1 : 0);
        QCOMPARE(spy.count(), reported < 0 ? 0 : 1);
        if (reported >= 0)
            QCOMPARE(spy.at(0), (QVariantList{target, bool(reported)}));
    }

    // The start-up shot and the capture overlay may save within one second;
    // a name given out is never given again, even before its file exists.
    void screenshotNamesNeverCollide()
    {
        QTemporaryDir folder;
        QStringList paths;
        for (int i = 0; i < 3; ++i)
            paths << ScreenshotWriter::newPath(folder.path());
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), paths.size());
        const QRegularExpression pattern(QStringLiteral("^feedback\\d{12}(-\\d+)?\\.png$"));
        for (const QString &path : paths) {
            QCOMPARE(QFileInfo(path).absolutePath(), folder.path());
            QVERIFY2(pattern.match(QFileInfo(path).fileName()).hasMatch(), qPrintable(path));
        }
    }

    void editorHidesAreas_data()
    {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("copy"); // a picture of the user's: the edit goes to a copy
        QTest::addColumn<int>("drags");
        QTest::addColumn<int>("undos");
        QTest::addColumn<bool>("done");
        QTest::addColumn<int>("kept"); // areas left to black out
        QTest::newRow("screenshot rewritten in place") << QByteArray("png") << false << 2 << 0 << true << 2;
        QTest::newRow("undo takes the last area back") << QByteArray("png") << false << 2 << 1 << true << 1;
        QTest::newRow("picture from disk edited in a copy") << QByteArray("jpeg") << true << 1 << 0 << true << 1;
        QTest::newRow("cancel leaves the file as it was") << QByteArray("png") << false << 2 << 0 << false << 2;
        QTest::newRow("done with nothing hidden writes nothing") << QByteArray("png") << true << 1 << 1 << true << 0;
    }

    // The hidden areas are black pixel for pixel in the file that is sent;
    // every other pixel is the picture's own.
    void editorHidesAreas()
    {
        QFETCH(QByteArray, format);
        QFETCH(bool, copy);
        QFETCH(int, drags);
        QFETCH(int, undos);
        QFETCH(bool, done);
        QFETCH(int, kept);

        QTemporaryDir dir;
        QImage picture(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x % 256, (y * 3) % 256, (x * y + 40) % 256));
        }
        const QString source = dir.filePath(QStringLiteral("shot.") + QString::fromLatin1(format));
        QVERIFY(picture.save(source, format.constData()));
        const QByteArray before = TestSupport::readFile(source);
        const QImage decoded = QImage(source).convertToFormat(QImage::Format_RGB32);
        const QString target = copy ? dir.filePath(QStringLiteral("copy.png")) : source;

        CPictureEditor editor(source, target);
        QVERIFY(editor.isLoaded());
        editor.show();
        auto *canvas = editor.findChild<QWidget *>(QStringLiteral("widget_PictureCanvas"));
        QVERIFY(canvas);
        QCOMPARE(canvas->size(), picture.size()); // small enough to be shown as it is
        const QVector<QRect> drawn{QRect(10, 20, 50, 40), QRect(200, 150, 60, 30)};
        for (int i = 0; i < drags; ++i) {
            // Dragged from bottom right to top left: the area is the same.
            QTest::mousePress(canvas, Qt::LeftButton, {}, drawn[i].bottomRight() + QPoint(1, 1));
            QTest::mouseMove(canvas, drawn[i].center());
            QTest::mouseRelease(canvas, Qt::LeftButton, {}, drawn[i].topLeft());
        }
        for (int i = 0; i < undos; ++i)
            QTest::mouseClick(editor.findChild<QPushButton *>(QStringLiteral("pushButton_EditorUndo")), Qt::LeftButton);
        QCOMPARE(editor.hiddenAreas().areas(), drawn.mid(0, kept));
        QTest::mouseClick(editor.findChild<QPushButton *>(done ? QStringLiteral("pushButton_EditorDone")
                                                               : QStringLiteral("pushButton_EditorCancel")),
                          Qt::LeftButton);
        QCOMPARE(editor.result(), done ? int(QDialog::Accepted) : int(QDialog::Rejected));

        QCOMPARE(TestSupport::readFile(source) == before, copy || !done || kept == 0);
        if (!done || kept == 0) {
            QVERIFY(!copy || !QFileInfo::exists(target));
            return;
        }
        const QImage sent = QImage(target).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(sent.size(), decoded.size());
        int black = 0;
        for (int y = 0; y < sent.height(); ++y) {
            for (int x = 0; x < sent.width(); ++x) {
                bool hidden = false;
                for (const QRect &area : drawn.mid(0, kept))
                    hidden = hidden || area.contains(x, y);
                black += hidden;
                QCOMPARE(sent.pixel(x, y), hidden ? qRgb(0, 0, 0) : decoded.pixel(x, y));
            }
        }
        QVERIFY(black > 0);
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(filled(90, 40, qRgb(200, 10, 10)).save(path("jpeg.png"), "JPEG"));
        QVERIFY(filled(900, 400, qRgb(10, 10, 200)).save(path("wide.png"), "PNG"));
        QVERIFY(filled(20, 10, qRgb(10, 200, 10)).save(path("small.bmp"), "BMP"));
        QVERIFY(filled(30000, 1, qRgb(1, 2, 3)).save(path("line.png"), "PNG"));
        // Smallest GIF: one white pixel (no GIF writer ships with Qt).
        const QByteArray gif = QByteArray::fromHex("47494638396101000100800000ffffff00000021f90401000000002c00000000"
                                                   "010001000002024401003b");
        QVERIFY(TestSupport::writeFile(path("dot.gif"), gif));
        // 35 bytes: one pixel on a logical screen of 16000 x 16000.
        QVERIFY(TestSupport::writeFile(path("screen.gif"), QByteArray::fromHex("474946383961803e803e800000000000ffffff2c"
                                                                               "00000000010001000002024401003b")));
        QVERIFY(TestSupport::writeFile(path("phone108.jpg"), jpegClaiming(12000, 9000, false)));
        QVERIFY(TestSupport::writeFile(path("phone200.jpg"), jpegClaiming(16320, 12240, false)));
        QVERIFY(TestSupport::writeFile(path("progressive.jpg"), jpegClaiming(8000, 6000, true)));
        QImage gray(6000, 6000, QImage::Format_Grayscale8);
        gray.fill(0);
        QVERIFY(gray.save(path("gray.png"), "PNG"));
        // An icon directory of one 16 x 16 entry whose image is that PNG.
        const QByteArray png = TestSupport::readFile(path("gray.png"));
        QByteArray ico = QByteArray::fromHex("0000010001001010000001002000") + QByteArray(8, '\0') + png;
        qToLittleEndian<quint32>(png.size(), ico.data() + 14);
        qToLittleEndian<quint32>(22, ico.data() + 18);
        QVERIFY(TestSupport::writeFile(path("gray.ico"), ico));
        QVERIFY(TestSupport::writeFile(path("text.png"), "this is not a picture\n"));
        QVERIFY(TestSupport::writeFile(path("huge.png"), pngHeaderOnly(20000, 20000)));
        QVERIFY(TestSupport::writeFile(path("long.png"), pngHeaderOnly(30001, 1)));
        QVERIFY(TestSupport::writeFile(path("many.png"), pngHeaderOnly(10001, 10000)));
        // The crafted header is read as a PNG of that size.
        QCOMPARE(QImageReader(path("huge.png")).size(), QSize(20000, 20000));
    }
};

QTEST_MAIN(TestPictureTile)
#include "tst_picturetile.moc"
