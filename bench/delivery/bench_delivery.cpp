// Times one report delivery step by step against local peers: the settings
// download (http_server.py), the body, the packaging and the SMTP submission
// (smtp_server.py, plain mode). The packaging is then repeated next to
// `zip -6 -j` over the same files, and the best of several rounds of each is
// printed. Goal: packaging within 1.2 times the time of zip -6. Last, the
// same report is kept in an outbox and sent again from there.
//
//   <build folder>/bench_delivery [rounds]   (QT_LOGGING_RULES="*.debug=false" keeps it quiet)
//
// With --zip-folder it only zips one folder, as the database archive is made
// but without the size limit, and prints the time; run it under
// /usr/bin/time -v to see the peak memory for a large file:
//
//   <build folder>/bench_delivery --zip-folder <archive> <folder>
//
// With --mask-logs it writes a log of that many megabytes (lines with
// addresses, tokens and home folders among ordinary ones) and packs the log
// archive plain and masked, printing the time of each and the process's peak
// memory, which must not grow with the log:
//
//   <build folder>/bench_delivery --mask-logs 300
#include "logscanner.h"
#include "mimetext.h"
#include "outboxresender.h"
#include "reportdelivery.h"
#include "reportpackaging.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>

#ifdef Q_OS_WIN
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

QTextStream out(stdout);

// Table-like rows with repeated words and random numbers: compresses about
// like a real database file.
QByteArray databaseBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    static const char *const words[] = {"customer", "device", "backup", "message", "contact",
                                        "photo", "album", "record", "status", "synced"};
    QByteArray bytes;
    bytes.reserve(size + 128);
    while (bytes.size() < size) {
        bytes += QByteArray::number(random.generate()) + '|' + words[random.bounded(10)] + '|'
                 + QByteArray::number(random.generate64(), 16) + '|' + words[random.bounded(10)] + '\n';
        if (random.bounded(8) == 0) {
            QByteArray blob(64, Qt::Uninitialized);
            random.fillRange(reinterpret_cast<quint32 *>(blob.data()), 16);
            bytes += blob;
        }
    }
    bytes.truncate(size);
    return bytes;
}

QByteArray logBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += "12:" + QByteArray::number(random.bounded(60)) + ":" + QByteArray::number(random.bounded(60))
                 + " [info] sync step " + QByteArray::number(random.bounded(100000)) + " finished in "
                 + QByteArray::number(random.bounded(5000)) + " ms\n";
    bytes.truncate(size);
    return bytes;
}

// Screenshots are PNG: already compressed.
QByteArray pictureBytes(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

QStringList filesIn(const QString &folder, const QString &suffix = QString())
{
    QStringList paths;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo &entry : entries) {
        if (suffix.isEmpty() || entry.suffix() == suffix)
            paths << entry.filePath();
    }
    return paths;
}

bool runZip(const QString &archive, const QStringList &files)
{
    QFile::remove(archive);
    QProcess zip;
    zip.start(QStringLiteral("zip"), QStringList{QStringLiteral("-6"), QStringLiteral("-j"), QStringLiteral("-q"), archive} + files);
    return zip.waitForFinished(120000) && zip.exitCode() == 0;
}

int zipOneFolder(const QString &archive, const QString &folder)
{
    QElapsedTimer timer;
    timer.start();
    const bool ok = ReportPackaging::zipFolder(archive, folder);
    out << (ok ? "zipped in " : "FAILED after ") << msSince(timer) << " ms, archive " << QFileInfo(archive).size()
        << " bytes" << Qt::endl;
    return ok ? 0 : 1;
}

// Peak resident memory of this process so far, in megabytes.
double peakMemoryMb()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return double(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
#else
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
#endif
}

int maskLogs(int megabytes)
{
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-mask-XXXXXX"));
    QDir().mkpath(dir.filePath(QStringLiteral("Log")));
    QFile log(dir.filePath(QStringLiteral("Log/app.log")));
    if (!log.open(QIODevice::WriteOnly))
        return 1;
    const QByteArray home = QDir::homePath().toUtf8();
    QRandomGenerator random(7);
    const qint64 target = qint64(megabytes) * 1000 * 1000;
    while (log.size() < target) {
        // Written a megabyte at a time, so the log itself never sits in memory.
        QByteArray chunk = logBytes(900 * 1000, random.generate());
        for (int i = 0; i < 200; ++i) {
            chunk += "12:00:0" + QByteArray::number(i % 10) + " [warn] user u" + QByteArray::number(random.bounded(9999))
                     + "@mail.example.org token=" + QByteArray::number(random.generate64(), 16)
                     + " opened " + home + "/Documents/f" + QByteArray::number(i) + ".txt sha1="
                     + QByteArray::number(random.generate64(), 16) + QByteArray::number(random.generate64(), 16) + '\n';
        }
        log.write(chunk);
    }
    log.close();
    const double beforeMb = peakMemoryMb();

    ReportForm form;
    form.attachLog = true;
    for (const bool mask : {false, true}) {
        form.maskLogs = mask;
        QStringList files;
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        ReportPackaging::packageAttachments(form, dir.path(), true, files);
        const double ms = msSince(timer);
        // Processor time as well: on a shared machine the wall time says more about the neighbours.
        const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
        out << (mask ? "masked   " : "unmasked ") << QFileInfo(log).size() / 1e6 << " MB log: " << ms << " ms wall, "
            << cpuMs << " ms processor (" << QFileInfo(log).size() / 1e3 / cpuMs << " MB/s), archive "
            << QFileInfo(files.value(0)).size()
            << " bytes, peak memory " << peakMemoryMb() << " MB (" << beforeMb << " MB before packing)" << Qt::endl;
    }
    LogScanner::Counts counts;
    LogScanner(QDir::homePath()).scanFile(log.fileName(), counts);
    out << "finds: " << counts.of(LogScanner::Email) << " addresses, " << counts.of(LogScanner::Secret)
        << " secrets, " << counts.of(LogScanner::HomeFolder) << " home folders" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--zip-folder") == 0)
        return zipOneFolder(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc == 3 && qstrcmp(argv[1], "--mask-logs") == 0)
        return maskLogs(qMax(1, atoi(argv[2])));
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 3;

    QTemporaryDir dir;
    const QString appDir = dir.path();
    const QString db = appDir + QStringLiteral("/parvane_db");
    TestSupport::writeFile(db + QStringLiteral("/main.db"), databaseBytes(11 * 1000 * 1000, 1));
    TestSupport::writeFile(db + QStringLiteral("/photos.db"), databaseBytes(3 * 1000 * 1000, 2));
    TestSupport::writeFile(db + QStringLiteral("/settings.db"), databaseBytes(1000 * 1000, 3));
    TestSupport::writeFile(appDir + QStringLiteral("/Log/app.log"), logBytes(2 * 1000 * 1000, 4));
    TestSupport::writeFile(appDir + QStringLiteral("/Log/sync.log"), logBytes(600 * 1000, 5));
    TestSupport::writeFile(appDir + QStringLiteral("/Log/feedback.log"), logBytes(2000, 6));
    for (int i = 1; i <= 3; ++i)
        TestSupport::writeFile(appDir + QStringLiteral("/ScreenPicture/feedback%1.png").arg(i),
                               pictureBytes(400 * 1000 + i * 50000, 10 + quint32(i)));

    TestSupport::PeerProcess smtp;
    if (!smtp.start(TestSupport::peerScript(QStringLiteral("smtp_server.py")), {QStringLiteral("--mode"), QStringLiteral("plain"), QStringLiteral("--user"), QStringLiteral("bench@example.test"), QStringLiteral("--password"), QStringLiteral("pw")})) {
        out << "cannot start the SMTP sink: " << smtp.errorText() << Qt::endl;
        return 1;
    }
    QByteArray xml;
    TestSupport::runProgram(QStringLiteral("/usr/bin/python3"),
                            {QStringLiteral(FEEDBACK_SOURCE_DIR "/demo/make_emailinfo.py"), QStringLiteral("--product-id"),
                             QStringLiteral("42"), QStringLiteral("--port"), QString::number(smtp.port()),
                             QStringLiteral("--connect-type"), QStringLiteral("0"), QStringLiteral("--sender"),
                             QStringLiteral("bench@example.test"), QStringLiteral("--password"), QStringLiteral("pw"),
                             QStringLiteral("--receiver"), QStringLiteral("support@example.test")},
                            &xml);
    TestSupport::writeFile(appDir + QStringLiteral("/www/files/public/emailinfo.xml"), xml);
    TestSupport::PeerProcess http;
    if (!http.start(TestSupport::peerScript(QStringLiteral("http_server.py")), {QStringLiteral("--root"), appDir + QStringLiteral("/www")})) {
        out << "cannot start the HTTP server: " << http.errorText() << Qt::endl;
        return 1;
    }

    ReportForm form;
    form.customerEmail = QStringLiteral("user@example.test");
    form.comment = QStringLiteral("Benchmark report.");
    form.attachLog = true;
    form.attachDatabase = true;
    form.screenshotCount = 3;
    ReportContext context;
    context.appDir = appDir;
    context.productName = QStringLiteral("Bench");
    context.hostPath = QCoreApplication::applicationFilePath();
    context.productId = QStringLiteral("42");
    context.mailSubject = QStringLiteral("Bench Win Feedback");
    context.recipientName = QStringLiteral("support");

    ReportDelivery delivery(form, context, MailSettings());
    delivery.setSettingsUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/files/public/emailinfo.xml").arg(http.port())));

    QElapsedTimer timer;
    timer.start();
    delivery.fetchMailSettings();
    const double settingsMs = msSince(timer);
    MimeText body;
    timer.restart();
    delivery.composeReportBody(body);
    const double composeMs = msSince(timer);
    timer.restart();
    const bool packed = delivery.packageAttachments();
    const double packMs = msSince(timer);
    timer.restart();
    const int outcome = packed ? delivery.deliverReport(body) : int(ReportDelivery::OtherFailure);
    const double smtpMs = msSince(timer);

    qint64 attachedBytes = 0;
    for (const QString &path : delivery.attachmentFiles())
        attachedBytes += QFileInfo(path).size();

    out << "delivery outcome " << outcome << " (2 = submitted), " << delivery.attachmentFiles().size()
        << " attachments, " << attachedBytes << " bytes attached" << Qt::endl;
    out << QStringLiteral("  settings   %1 ms").arg(settingsMs, 9, 'f', 1) << Qt::endl;
    out << QStringLiteral("  body       %1 ms").arg(composeMs, 9, 'f', 1) << Qt::endl;
    out << QStringLiteral("  packaging  %1 ms").arg(packMs, 9, 'f', 1) << Qt::endl;
    out << QStringLiteral("  smtp       %1 ms").arg(smtpMs, 9, 'f', 1) << Qt::endl;

    // Same three archives, ours against zip -6 -j, alternating rounds.
    const QStringList dbFiles = filesIn(db);
    const QStringList logFiles = filesIn(appDir + QStringLiteral("/Log"), QStringLiteral("log"));
    const QStringList shotFiles = filesIn(appDir + QStringLiteral("/ScreenPicture"));
    const QString zipDir = appDir + QStringLiteral("/zip6");
    QDir().mkpath(zipDir);
    double bestOurs = 1e18;
    double bestZip = 1e18;
    for (int round = 0; round < rounds; ++round) {
        QStringList files;
        timer.restart();
        ReportPackaging::packageAttachments(form, appDir, true, files);
        bestOurs = std::min(bestOurs, msSince(timer));

        timer.restart();
        const bool ok = runZip(zipDir + QStringLiteral("/log.zip"), logFiles)
                        && runZip(zipDir + QStringLiteral("/parvane_db.zip"), dbFiles)
                        && runZip(zipDir + QStringLiteral("/ScreenPicture.zip"), shotFiles);
        bestZip = std::min(bestZip, msSince(timer));
        if (!ok) {
            out << "zip failed" << Qt::endl;
            return 1;
        }
    }
    const auto size = [](const QString &path) { return QFileInfo(path).size(); };
    out << QStringLiteral("packaging, best of %1 rounds:").arg(rounds) << Qt::endl;
    out << QStringLiteral("  ours       %1 ms  (db %2, log %3, screens %4 bytes)")
               .arg(bestOurs, 9, 'f', 1)
               .arg(size(appDir + QStringLiteral("/parvane_db.zip")))
               .arg(size(appDir + QStringLiteral("/Log/log.zip")))
               .arg(size(appDir + QStringLiteral("/ScreenPicture.zip")))
        << Qt::endl;
    out << QStringLiteral("  zip -6 -j  %1 ms  (db %2, log %3, screens %4 bytes)")
               .arg(bestZip, 9, 'f', 1)
               .arg(size(zipDir + QStringLiteral("/parvane_db.zip")))
               .arg(size(zipDir + QStringLiteral("/log.zip")))
               .arg(size(zipDir + QStringLiteral("/ScreenPicture.zip")))
        << Qt::endl;

    // What a failure adds: copying the report into the outbox, and a later
    // attempt that fetches the settings and sends it again.
    const Outbox outbox(appDir + QStringLiteral("/outbox"));
    timer.restart();
    const QString kept = outbox.store(delivery.keptReport());
    const double keepMs = msSince(timer);
    OutboxResender resender(outbox);
    resender.setSettingsUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/files/public/emailinfo.xml").arg(http.port())));
    timer.restart();
    const QList<OutboxResender::Result> resent = resender.sendPending();
    const double resendMs = msSince(timer);
    out << QStringLiteral("outbox: keep %1 ms, send again %2 ms (%3)")
               .arg(keepMs, 0, 'f', 1)
               .arg(resendMs, 0, 'f', 1)
               .arg(kept.isEmpty() || resent.isEmpty() ? QStringLiteral("not kept") : resent.first().line())
        << Qt::endl;

    const double ratio = bestOurs / bestZip;
    out << QStringLiteral("  ratio      %1 (goal <= 1.20): %2").arg(ratio, 0, 'f', 2).arg(ratio <= 1.2 ? QStringLiteral("met") : QStringLiteral("NOT met"))
        << Qt::endl;
    return outcome == ReportDelivery::Submitted ? 0 : 2;
}
