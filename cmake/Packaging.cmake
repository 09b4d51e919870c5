# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh)
# makes zorbiks_<version>_amd64.deb. dpkg-shlibdeps computes the libraries
# it needs; the fonts with Arial's metrics, Qt's Russian texts and
# libcanberra's PulseAudio backend (the sounds' way to the desktop's sound
# server) are named here.
#
# The Maintainer field names whoever builds and hands out the package: a
# school sets its own, for instance
#   cmake -B build -DZORBIKS_MAINTAINER="Школа № 5 <admin@school5.example.ru>"
# The default names the project at an address under .invalid, a name that is
# reserved never to exist, so that no real person or domain is named.
set(ZORBIKS_MAINTAINER "Зорбикс developers <dev@zorbiks.invalid>"
    CACHE STRING "The Maintainer field of the Debian package: name <address>")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorbiks)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${ZORBIKS_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill and test tutor for the ninth-grade informatics exam")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Zorbiks (Зорбикс) trains pupils of grades 7 to 9 for the school informatics
exam: 28 questions in four sections, each with changing data, explanations
after wrong answers, and a results file for the teacher. It fills the screen
and keeps the pupil inside it; a kiosk X session is included.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse, cups-client")
# The programs are stripped as dh_strip strips them (symbols, .comment and
# .note) once CPack has staged the files; see StripLikeDebian.cmake.
set(CPACK_STRIP_FILES OFF)
set(CPACK_ZORBIKS_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripLikeDebian.cmake)
include(CPack)
