// Stores one report in an outbox and ends: the process a test kills while
// the report's files are still being copied.
//   outboxwriter <outbox folder> <file to keep>
#include "outbox.h"

#include <QCoreApplication>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const Outbox outbox(QString::fromLocal8Bit(argv[1]));
    KeptReport report;
    report.messageId = QStringLiteral("half@example.test");
    report.files = QStringList{QString::fromLocal8Bit(argv[2])};
    report.fileNames = QStringList{QFileInfo(report.files.first()).fileName()};
    return outbox.store(report).isEmpty() ? 1 : 0;
}
