# What names a release (application id, date, maintainer) and the Debian package, built with
# `cpack -G DEB` in a configured build folder (scripts/package). The package's library
# dependencies are read from the programs; the rest are the ones no linker sees.

# The reverse-DNS name of the menu entry, the metadata and the icon theme's icon.
set(QUILLMARK_APP_ID io.github.quillmark.Quillmark)
# The day PROJECT_VERSION was released, for the software-centre metadata and the package's
# changelog; change both together.
set(QUILLMARK_RELEASE_DATE 2026-12-08)
set(QUILLMARK_PACKAGE_MAINTAINER "The Quillmark project <quillmark@example.org>"
    CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VENDOR "The Quillmark project")
set(CPACK_PACKAGE_CONTACT "${QUILLMARK_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "retail and logistics barcode symbols at physical size")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillmark draws EAN-13, EAN-8, UPC-A and UPC-E symbols with their 2- and
5-digit add-ons, the EAN-13 book symbol with its hyphenated ISBN-13 line,
ITF-14 with bearer bars, and GS1-128 (UCC/EAN-128) with Application
Identifiers, and shows them at their printed size while the data is typed.

The package holds the window program, quillmark, and the command-line
renderer, quillmark-render, which draws the same symbols into PNG, BMP, JPEG,
SVG or PDF pictures without a display, one at a time or from a CSV file.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUILLMARK_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The human-readable digits are set in Liberation Sans; Qt loads its SVG icon engine as a plugin;
# the office hand-over asks xdg-mime which program opens a document. FreeType, fontconfig, libjpeg,
# libpng and libcsv are opened on first use, out of dpkg-shlibdeps' sight: the versions are those
# their symbols (libpng: shlibs) files give for the calls used.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6svg6, xdg-utils, \
libfreetype6 (>= 2.2.1), libfontconfig1 (>= 2.12.6), libjpeg62-turbo (>= 1.3.1), \
libpng16-16 (>= 1.6.2-1), libcsv3 (>= 3.0.3)")
# OCR-B, the typeface retail symbols are usually printed with, then appears in the font list;
# Qt's own dialogs (file, print, messages) speak Russian with Qt's translations; gLabels' templates
# add some 1,700 label sheets to the bundled ones.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ocr-b, qt6-translations-l10n, glabels-data")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
