# The Debian package: cpack -G DEB in the build folder makes
# veldra2_<version>_<arch>.deb from what "cmake --install" lays out.
set(CPACK_PACKAGE_NAME veldra2)
set(CPACK_PACKAGE_VENDOR "Corvex KZ Corporation")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "layout program for a dot-marking plate engraver")
set(CPACK_PACKAGE_DESCRIPTION "Veldra2 lays out metal plates of up to 90 x 90 mm for a small engraver
that marks them dot by dot: pictures, horizontal text, text on an arc, text
blocks, frames and symbols from a shared library. It previews the engraving
and prints to the engraver at one dot per pixel. Also contains veldra2-cli,
which reads, renders and prints layouts without a window, and Prepkit, the
helper that prepares the shared library folder.")
set(CPACK_PACKAGE_CONTACT "Corvex KZ Corporation <support@corvex-kz.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from dpkg-shlibdeps; what is loaded at run time and so
# invisible to it is named here: the window system plug-in of Qt and the
# fonts the layouts are measured in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipaexfont-gothic, qt6-translations-l10n, qt6-image-formats-plugins, qt6-svg-plugins, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups, sane-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst
    ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Only the program: the tests' and benchmarks' own targets install nothing.
set(CPACK_GENERATOR DEB)
include(CPack)
