#pragma once

#include <QObject>
#include <QString>

// One mailbox: the bare address and an optional display name.
class EmailAddress : public QObject
{
    Q_OBJECT
public:
    explicit EmailAddress(const QString &address = QString(), const QString &name = QString());
    ~EmailAddress() override;

    QString name() const { return m_name; }
    QString address() const { return m_address; }
    void setName(const QString &name) { m_name = name; }
    void setAddress(const QString &address) { m_address = address; }

private:
    QString m_name;
    QString m_address;
};
