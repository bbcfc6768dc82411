#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <memory>

class QFile;
class QNetworkReply;

// Downloads one remote file at a time into "FeedbackRes/conf/" beside the
// executable, streaming the body to disk and following redirects itself.
// onDownloadFinished() carries no data: after a failure the file is gone.
class CNetworkDownloadManager : public QObject
{
    Q_OBJECT
public:
    // A download that is redirected more often than this fails.
    static constexpr int MaxRedirects = 10;

    explicit CNetworkDownloadManager(QObject *parent = nullptr);
    ~CNetworkDownloadManager() override;

    // The name may contain sub-folders; they must exist. An old file of that
    // name is removed first. When the target cannot be written nothing is
    // requested and no signal follows.
    void download(const QString &fileName, const QUrl &url);

signals:
    void onDownloadFinished();

private slots:
    void httpFinished();
    void httpReadyRead();

private:
    void startRequest();
    void abandonDownload();

    QNetworkAccessManager m_manager;
    QUrl m_url;
    QPointer<QNetworkReply> m_reply;
    std::unique_ptr<QFile> m_file;
    int m_redirects = 0;
};
