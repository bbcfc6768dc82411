#include "abortswitch.h"

#include "smtpclient.h"

void AbortSwitch::abort(bool keepReport)
{
    if (keepReport)
        m_keepReport = true;
    else
        m_cancelled = true;
    m_aborted = true;
    QMutexLocker lock(&m_mutex);
    if (m_client)
        m_client->abort();
}

void AbortSwitch::attach(SmtpClient *client)
{
    QMutexLocker lock(&m_mutex);
    m_client = client;
    // An abort that came before the dialogue started still stops it.
    if (m_aborted)
        client->abort();
}

void AbortSwitch::detach()
{
    QMutexLocker lock(&m_mutex);
    m_client = nullptr;
}
