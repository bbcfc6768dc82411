#include "cnetworkdownloadmanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QNetworkReply>
#include <QNetworkRequest>

CNetworkDownloadManager::CNetworkDownloadManager(QObject *parent)
    : QObject(parent)
{
    // Redirects are followed by httpFinished() so that each one restarts the
    // same file from byte 0; the manager must hand 3xx answers through.
    m_manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

CNetworkDownloadManager::~CNetworkDownloadManager()
{
    abandonDownload();
}

void CNetworkDownloadManager::download(const QString &fileName, const QUrl &url)
{
    // The caller is expected to wait for onDownloadFinished(); should it not,
    // the earlier download is abandoned instead of writing into the new file.
    abandonDownload();

    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/FeedbackRes/conf/") + fileName;
    if (QFile::exists(path))
        QFile::remove(path);

    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        qDebug() << "cannot write" << path << file->errorString();
        return;
    }
    m_file = std::move(file);
    m_url = url;
    m_redirects = 0;
    startRequest();
}

void CNetworkDownloadManager::startRequest()
{
    QNetworkRequest request(m_url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    m_reply = m_manager.get(request);
    connect(m_reply, &QNetworkReply::finished, this, &CNetworkDownloadManager::httpFinished);
    connect(m_reply, &QNetworkReply::readyRead, this, &CNetworkDownloadManager::httpReadyRead);
}

void CNetworkDownloadManager::abandonDownload()
{
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    // An unfinished file is never left behind, as after a failure.
    if (m_file) {
        m_file->close();
        m_file->remove();
        m_file.reset();
    }
}

void CNetworkDownloadManager::httpReadyRead()
{
    if (m_file && m_file->isOpen() && m_reply)
        m_file->write(m_reply->readAll());
}

void CNetworkDownloadManager::httpFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply || sender() != reply || !m_file)
        return;
    m_reply = nullptr;

    // Whatever is still buffered belongs to the file as well.
    if (m_file->isOpen()) {
        m_file->write(reply->readAll());
        m_file->flush();
        m_file->close();
    }

    const QVariant target = reply->attribute(QNetworkRequest::RedirectionTargetAttribute);
    const bool redirected = reply->error() == QNetworkReply::NoError && !target.isNull();
    const bool tooManyRedirects = redirected && m_redirects >= MaxRedirects;

    if (reply->error() != QNetworkReply::NoError || tooManyRedirects) {
        // A loop of redirects ends like any other failure.
        m_file->remove();
        m_file.reset();
        reply->deleteLater();
        emit onDownloadFinished();
        return;
    }

    if (!redirected) {
        reply->deleteLater();
        m_file.reset();
        emit onDownloadFinished();
        return;
    }

    ++m_redirects;
    m_url = m_url.resolved(target.toUrl());
    reply->deleteLater();
    // Start over in the same file: the redirect's own body must not remain.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_file->remove();
        m_file.reset();
        emit onDownloadFinished();
        return;
    }
    m_file->resize(0);
    startRequest();
}
