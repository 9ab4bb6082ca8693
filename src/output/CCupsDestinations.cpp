#include "CCupsDestinations.h"

CCupsDestinations::CCupsDestinations()
{
    if (m_connection.Http())
        m_count = cupsGetDests2(m_connection.Http(), &m_pDests);
}

CCupsDestinations::~CCupsDestinations()
{
    cupsFreeDests(m_count, m_pDests);
}

cups_dest_t* CCupsDestinations::Find(const QString& name) const
{
    if (name.isEmpty())
        return cupsGetDest(nullptr, nullptr, m_count, m_pDests);
    return cupsGetDest(name.toUtf8().constData(), nullptr, m_count, m_pDests);
}

bool CCupsDestinations::Save() const
{
    if (m_count <= 0 || !m_connection.Http())
        return false;
    m_connection.StartRequest();
    return cupsSetDests2(m_connection.Http(), m_count, m_pDests) == 0;
}

QString CCupsDestinations::Option(const cups_dest_t& dest, const char* name)
{
    return QString::fromUtf8(cupsGetOption(name, dest.num_options, dest.options));
}

void CCupsDestinations::SetOption(cups_dest_t& dest, const char* name, const QString& value)
{
    dest.num_options = cupsAddOption(name, value.toUtf8().constData(), dest.num_options, &dest.options);
}
