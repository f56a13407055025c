# `cpack -G DEB` in a build folder makes amsaview_<version>_amd64.deb of
# whatever `cmake --install` puts under /usr.
set(CPACK_PACKAGE_NAME amsaview)
set(CPACK_PACKAGE_VENDOR "The Amsaview developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Vedic birth charts and their divisional charts")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
# Debian wants 0755 folders whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(AMSAVIEW_PACKAGE_MAINTAINER "Amsaview developers <dev@amsaview.invalid>" CACHE STRING
    "The Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${AMSAVIEW_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(AMSAVIEW_HOME_PAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${AMSAVIEW_HOME_PAGE}")
endif()
# The extended description; CPack puts the summary above it and indents it.
set(CPACK_PACKAGE_DESCRIPTION "Amsaview computes a birth chart of Vedic (sidereal) astrology from a
person's date, local time and place of birth: the ayanamsa, the sidereal
ascendant, the nine bodies Sun to Ketu, the Moon's nakshatra, rashi, lord
and pada and the retrograde planets, drawn as a South-Indian Rashi chart
with the seven divisional charts D2 to D12.
.
An offline atlas and the IANA time-zone database give a birthplace's
coordinates and clock. The command amsaview-chart prints the same charts
as JSON.")
# The libraries the programs link come from dpkg-shlibdeps; what they only
# open at run time is named here: the register's SQLite driver, Swiss
# Ephemeris's data files and the zone files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, swe-basic-data, tzdata")
include(CPack)
