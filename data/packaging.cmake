# The Debian package (`make package`): what `cmake --install` puts under /usr. Its dependencies
# come from the libraries the programs link (dpkg-shlibdeps), plus the Qt platform plugins, which
# the editor loads at run time and no library dependency names.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vorlan developers <vorlan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mission editor for a space-combat flight game")
# One string: its lines become the package's long description.
set(CPACK_PACKAGE_DESCRIPTION
    "Vorlan opens a binary mission file (.tie), edits its flight groups, orders, triggers,
goals, messages, teams and texts, and saves the file back byte for byte. The command-line
tool vorlan-cli prints, compares and edits missions from scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
