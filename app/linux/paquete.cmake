# The Debian package, made by CPack from the install set above: velunda_<version>_<arch>.deb.
# scripts/paquete.sh configures a Release build for /usr with Debian's build flags and runs
# CPack; the package test (tests/paquete) checks what comes out.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velunda)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Quorlan)
set(CPACK_PACKAGE_CONTACT "${VELUNDA_MANTENEDOR}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-word puzzle game against the clock")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${CMAKE_CURRENT_SOURCE_DIR}/descripcion.txt)
set(CPACK_PACKAGE_HOMEPAGE_URL "${VELUNDA_WEB_JUEGO}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX "${CMAKE_INSTALL_PREFIX}")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
# Debian ships programs without their symbol tables.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program links come from dpkg-shlibdeps. What it cannot see is named here:
# the font every window is drawn in, and the plugins Qt loads at run time that its libraries'
# own packages do not carry. Qt SQL only recommends its SQLite driver, among others; the X
# platform plugin and the JPEG reader (a fallback) ship inside libqt6gui6, which is linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
