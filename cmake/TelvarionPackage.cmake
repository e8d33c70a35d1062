# `cpack -G DEB` in the build folder: telvarion_<version>_<arch>.deb of what `cmake --install`
# lays out, under /usr. Its dependencies are the Debian packages of the libraries the
# binaries link (dpkg-shlibdeps), and those of what the program loads at run time, which no
# link shows: the QtQuick module of its scenes, the sound output and the style's font. The
# program reads the scene graph's render context, whose layout is fixed only within one Qt
# release: the Qt declarative ABI it was built against is named.
set(CPACK_PACKAGE_NAME telvarion)
set(CPACK_PACKAGE_VENDOR Marlowane)
set(CPACK_PACKAGE_CONTACT Marlowane)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Desktop client for a unified-communications service")
set(CPACK_PACKAGE_DESCRIPTION "Sign-in, contacts and presence, voice and video calls, one-to-one and group chat,
conferences in a personal My Room, call history and voice mail, with a companion
plug-in for a USB desk phone.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "qml-module-qtquick2, libqt5multimedia5-plugins, fonts-liberation2, qtdeclarative-abi-${Qt5Quick_VERSION_MAJOR}-${Qt5Quick_VERSION_MINOR}-${Qt5Quick_VERSION_PATCH}")
include(CPack)
