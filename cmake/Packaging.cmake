# SPDX-License-Identifier: MIT
# The Debian package, made from a build folder with `cpack -G DEB`.
#
# dpkg-shlibdeps (package dpkg-dev) finds the libraries the program links
# against; CPack adds them to the Depends line after the font named below.
# The font is not a library, so no scan finds it, but without a Japanese
# font the windows show empty boxes instead of text.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The tavelo developers")
set(CPACK_PACKAGE_CONTACT "The tavelo developers <tavelo@users.noreply.github.io>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tavelo.github.io/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "plan which songs fit on one side of a cassette tape")
# One line of the package description per argument; CPack indents them for
# the control file.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "A small desktop program with a Japanese user interface for planning a"
    "cassette recording. Type how many minutes one side of the tape holds and"
    "the playing times of up to 30 songs: it lists them and shows the tape"
    "time left, or warns that they no longer fit. A second way of working"
    "only totals the times.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-noto-cjk")

include(CPack)
