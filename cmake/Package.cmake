# The Debian package, built by CPack from the release build:
#   cmake --preset release && cmake --build --preset release && cd build/release && cpack -G DEB
# dpkg-shlibdeps works out the libraries the programs link; what they load
# at run time is named here: the platform plugin, the SVG plugin for the
# icon, Qt's Chinese translations and a font with Chinese characters.
set(CPACK_PACKAGE_NAME tarvo)
set(CPACK_PACKAGE_VENDOR "The Tarvo developers")
set(CPACK_PACKAGE_CONTACT "The Tarvo developers <tarvo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "simulator of a stepper-motor NC machine for teaching")
set(CPACK_PACKAGE_DESCRIPTION "Tarvo simulates a small three-axis NC machine driven by stepper motors, for
teaching pulse interpolation. It reads a G-code program word by word, breaks
every move into single pulse steps (digital integration for straight lines,
point-by-point comparison for arcs), shows the parallel-port byte that would
drive the motors and draws the tool path. The interface speaks Simplified Chinese and English.
The package holds the window, tarvo, and the headless runner, tarvo-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, qt6-translations-l10n, fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
