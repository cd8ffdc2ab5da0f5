# The Debian package: `cpack -G DEB` in a build tree (scripts/package). Installed under /usr;
# the dependencies are those of the shared libraries the programs link, as dpkg-shlibdeps
# finds them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "The Tavelo developers <tavelo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for ZOR operator panels")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Tavelo designs the screens of ZOR text operator panels (192 x 64 dots), runs them in a\n"
  "panel emulator and downloads them to the panel over a serial port. The package holds the\n"
  "editor tavelo, the command-line tool tavelo-cli and the simulated panel tavelo-panel.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 and Wayland platform plugins are loaded at run time, so dpkg-shlibdeps cannot see
# them; the vector texts' faces and Qt's own Chinese texts are welcome but not needed to start.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "fonts-arphic-uming, fonts-arphic-ukai, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
include(CPack)
