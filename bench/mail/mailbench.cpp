// Builds the report-sized message (a text part and two attachments read from
// files) and either writes its text to a file or sends it over SMTP to a local
// sink, then prints the wall time and the peak resident memory of the process.
//
//   mailbench --files A B --port P [--starttls | --tls]
//                                           send to 127.0.0.1:P (plain TCP, STARTTLS or TLS)
//   mailbench --files A B --write-eml PATH  write the message text to PATH
//   --progress                              follow the send's progress (the message is measured first)

#include "emailaddress.h"
#include "mimeattachment.h"
#include "mimemessage.h"
#include "mimesink.h"
#include "mimetext.h"
#include "smtpclient.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <memory>

namespace {

qint64 peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

class FileSink : public MimeSink
{
public:
    explicit FileSink(QFile *file) : m_file(file) {}
    bool write(const QByteArray &bytes) override { return m_file->write(bytes) == bytes.size(); }

private:
    QFile *m_file;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QElapsedTimer timer;
    timer.start();

    const QStringList args = app.arguments();
    const int files = args.indexOf(QStringLiteral("--files"));
    const int port = args.indexOf(QStringLiteral("--port"));
    const int eml = args.indexOf(QStringLiteral("--write-eml"));
    if (files < 0 || files + 2 >= args.size() || (port < 0 && eml < 0)) {
        std::fprintf(stderr, "usage: mailbench --files A B (--port P | --write-eml PATH)\n");
        return 2;
    }

    MimeMessage message;
    message.setSender(new EmailAddress(QStringLiteral("reporter@example.test"), QStringLiteral("Reporter")));
    message.addRecipient(new EmailAddress(QStringLiteral("support@example.test"), QStringLiteral("Support")));
    message.setSubject(QStringLiteral("Benchmark report"));
    MimeText body(QStringLiteral("A report with two large attachments.\r\n"));
    message.addPart(&body);
    MimeAttachment first(new QFile(args.at(files + 1)));
    MimeAttachment second(new QFile(args.at(files + 2)));
    message.addPart(&first);
    message.addPart(&second);

    bool ok = false;
    int progressCalls = 0;
    if (eml >= 0) {
        QFile out(args.value(eml + 1));
        FileSink sink(&out);
        ok = out.open(QIODevice::WriteOnly) && message.writeTo(sink);
    } else {
        const SmtpClient::ConnectionType type = args.contains(QStringLiteral("--tls")) ? SmtpClient::ImplicitSsl
            : args.contains(QStringLiteral("--starttls"))                              ? SmtpClient::StartTls
                                                                                        : SmtpClient::PlainTcp;
        SmtpClient client(QStringLiteral("127.0.0.1"), args.value(port + 1).toInt(), type);
        if (args.contains(QStringLiteral("--progress")))
            QObject::connect(&client, &SmtpClient::messageProgress, [&](qint64, qint64) { ++progressCalls; });
        ok = client.connectToHost() && client.sendMail(message);
        client.quit();
    }
    std::printf("mailbench: %s wall_ms=%lld peak_rss_kb=%lld progress_calls=%d\n", ok ? "ok" : "FAILED",
                static_cast<long long>(timer.elapsed()), static_cast<long long>(peakRssKb()), progressCalls);
    return ok ? 0 : 1;
}
