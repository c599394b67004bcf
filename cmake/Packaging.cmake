# Builds a Debian package with `cpack -G DEB` from the build directory.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tinct)
set(CPACK_PACKAGE_VENDOR "The tinct developers")
set(CPACK_PACKAGE_CONTACT "The tinct developers <tinct@tinct.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "window colour chooser with red, green and blue sliders")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Tinct sets the colour of its window from three sliders, one each for red,\n"
    "green and blue, and draws its sample text in the complementary colour.\n"
    "Clicking the window or the text picks its colour from a colour dialog.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Built RelWithDebInfo by default; the package has no use for the debug info.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
# dpkg-shlibdeps finds the Qt, C and C++ libraries the program links to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Fonts are loaded at run time, so shlibdeps cannot see this one: the program
# asks for Liberation Sans and Serif as metric-compatible stand-ins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Native on a Wayland desktop, and Qt's own texts (the colour dialog's, the
# message box's) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# Debian's copyright file, changelog and compressed man page go only into
# the package, so a plain `cmake --install` lays out just the program's files.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStaging.cmake)
set(CPACK_TINCT_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/debian-changelog)
set(CPACK_TINCT_DOCDIR ${CMAKE_INSTALL_DOCDIR})
set(CPACK_TINCT_MANDIR ${CMAKE_INSTALL_MANDIR})

include(CPack)
