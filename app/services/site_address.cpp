#include "app/services/site_address.h"

namespace pellumo {

QString SiteHost()
{
    return QStringLiteral(PELLUMO_SITE_HOST);
}

QString SiteAddress()
{
    return QStringLiteral("http://") + SiteHost();
}

QString BannerPageAddress()
{
    return SiteAddress() + QStringLiteral("/gg.asp");
}

QString UpdateServerAddress()
{
    return QStringLiteral(PELLUMO_UPDATE_URL);
}

} // namespace pellumo
