#include "emailaddress.h"

EmailAddress::EmailAddress(const QString &address, const QString &name)
    : m_name(name)
    , m_address(address)
{
}

EmailAddress::~EmailAddress() = default;
