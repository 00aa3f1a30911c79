# `cpack -G DEB` in the build folder (`make package`) makes one Debian package of what `cmake --install`
# puts in place, installed under /usr.

set(CPACK_PACKAGE_NAME korvo)
set(CPACK_PACKAGE_VENDOR "The Korvo developers")
set(CPACK_PACKAGE_CONTACT "The Korvo developers <korvo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "vector drawing editor for school science teaching")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first packaging of each version; the changelog names the same revision.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads these plug-ins at run time, so the libraries the program links name none of them: the
# image formats of pasted and exported pictures and the database the help is kept in. The SVG plug-ins
# come with libqt6svg6, which the program links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libqt6sql6-sqlite")
# Qt's own translations put its standard dialogs in the window's language; without them they stay English.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# CPack puts the summary above it and indents each line for the control file.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Korvo draws worksheets, test papers and board diagrams for science lessons
on one A4 or A3 page, from simple shapes, texts, graph paper and laboratory
glassware.

It comes with a library of ready-made pictures for biology, chemistry,
electricity, forces, optics and space, step-by-step tutorials in its help,
export to PNG, SVG, PDF and EMF, printing at true size, and thumbnails of
drawings in file managers.")

include(CPack)
