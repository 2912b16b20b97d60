# The Debian package that scripts/release.sh makes with `cpack -G DEB`: the
# files of the install rules under /usr, stripped, with the dependencies that
# dpkg-shlibdeps finds in the programs plus those no link shows.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME transformada-dct)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "Transformada DCT developers <transformada-dct@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Read here rather than named as CPACK_PACKAGE_DESCRIPTION_FILE, which CPack
# escapes for XML (an apostrophe would reach the package as &apos;).
file(READ ${PROJECT_SOURCE_DIR}/data/package-description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)

# transformada-dct_1.00_amd64.deb: no Debian revision, as the program is
# packaged by its own developers.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the window loads by name at run time: the condensed face it measures
# its boxes for (fonts-dejavu-extra, which brings DejaVu Sans itself in
# fonts-dejavu-core) and the toolkit's Portuguese texts. Its platform plugins,
# xcb for X and offscreen, are in libqt6gui6, which the link already names.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra, qt6-translations-l10n")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Folders 0755 whatever the umask of the one who builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

include(CPack)
