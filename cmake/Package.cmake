# The Debian package: cpack -G DEB (scripts/package runs it) builds
# castovin_<version>_<arch>.deb from the install rules, with /usr as prefix.

set(CPACK_PACKAGE_NAME castovin)
set(CPACK_PACKAGE_VENDOR "The Castovin developers")
set(CPACK_PACKAGE_CONTACT "Castovin developers <castovin@users.noreply.invalid>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "roof-bolt support design checks for coal-mine entries")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the libraries the programs link; these are what they
# load at run time, which it cannot see. The help window's engine reads its
# collection through Qt's SQLite driver, a plug-in: without it Help shows
# nothing. cpack appends the libraries found to this list.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
# What the program calls but can live without, saying so when it is missing:
# xdg-open opens the PDF manual, the reference sheets, an exported workbook,
# the external viewer and the update link; the Liberation fonts give the
# report its Courier-metric face on paper.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2")
# The long description; cpack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Castovin checks the roof-bolt support of underground coal-mine entries and
intersections. A mining engineer enters a project (roof rating, depth of
cover, rock weight, stability factor, one or two bolt systems, spans and the
cost inputs of bolting) and Castovin tells whether the VELB design method
applies, computes the suggested and actual VELB indices, bolt capacities,
rock load heights and the cost of bolting, and prints the reports.
.
The package holds the desktop program castovin and the command-line tool
castovin-cli, with example projects.")

# Debian wants the manual pages and the changelog compressed (gzip -9n);
# `cmake --install` leaves them plain, so this runs on the packaging tree only.
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in
  ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
set(CASTOVIN_DEBIAN_CHANGELOG ${CMAKE_BINARY_DIR}/debian/changelog)
configure_file(${PROJECT_SOURCE_DIR}/cmake/PackageTree.cmake.in
  ${CMAKE_BINARY_DIR}/debian/PackageTree.cmake @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_BINARY_DIR}/debian/PackageTree.cmake)

include(CPack)
