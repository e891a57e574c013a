#pragma once

#include <QString>

namespace pellumo {

// The maker's web site and the rate-table update server, both build settings
// (PELLUMO_SITE_HOST and PELLUMO_UPDATE_URL in CMakeLists.txt).
QString SiteHost();          // "www.pellumo.example"
QString SiteAddress();       // "http://" + SiteHost()
QString BannerPageAddress(); // SiteAddress() + "/gg.asp"
QString UpdateServerAddress();

} // namespace pellumo
