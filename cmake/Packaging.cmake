# `cpack -G DEB` in the build folder makes the Debian package; its dependencies are the ones
# dpkg-shlibdeps finds in the program, not a list kept by hand.
set(CPACK_PACKAGE_NAME pickwell)
set(CPACK_PACKAGE_VENDOR Brackenfield)
set(CPACK_PACKAGE_CONTACT "Brackenfield <support@brackenfield.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build drop-down navigation menus for web pages")
set(CPACK_PACKAGE_DESCRIPTION "Pickwell builds a drop-down navigation menu for a web page \
without writing code and writes its HTML and JavaScript, classic or standards-compliant, for \
copying, as a file or as a browser preview. Projects are kept in .pkw files; a command-line \
mode needs no display.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows need Qt's platform plugins, which the linker does not see: libqt6gui6 only
# recommends them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.brackenfield.example/pickwell/)
# The desktop opens files and addresses through xdg-open; fonts make the lists and pages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core")
include(CPack)
