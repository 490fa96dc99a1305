# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What `cmake --install` puts where, and the Debian package that CPack builds
# from the same install. Included at the end of the top-level CMakeLists.txt,
# after app/, so that the program target exists.
#
# Every path is relative to the install prefix, so the same rules serve
# `cmake --install --prefix /usr/local` and CPack, which installs into /usr.

# One reverse-DNS id ties the desktop entry, the AppStream metadata and the
# icon together; software centres match them by this name.
set(TAMSEL_APP_ID io.github.tamsel2.Tamsel2)

# The day the version in project() was released. The metadata, the manual
# pages and the Debian changelog carry it; move it on with the version.
set(TAMSEL_RELEASE_DATE 2026-12-11)

set(TAMSEL_HOMEPAGE https://github.com/tamsel2/tamsel2)
set(TAMSEL_MAINTAINER "Tamsel2 developers <tamsel2@users.noreply.github.com>"
    CACHE STRING "Name and address in the Maintainer field of the Debian package")

set(TAMSEL_PACKAGE_NAME tamsel2)
# The revision of the Debian packaging of one upstream version; a package with
# a revision is not a native one, so its changelog is changelog.Debian.gz.
set(TAMSEL_DEBIAN_REVISION 1)

set(_pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(_pkg_bin ${PROJECT_BINARY_DIR}/packaging)
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/${TAMSEL_PACKAGE_NAME})

# The Debian changelog wants the date as in RFC 2822 ("Fri, 11 Dec 2026 ...");
# CMake has no date arithmetic, so the weekday is worked out here
# (Sakamoto's method) rather than kept as a second copy of the date.
function(tamsel_rfc2822_date iso_date out_var)
    if(NOT iso_date MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "release date '${iso_date}' is not YYYY-MM-DD")
    endif()
    set(year ${CMAKE_MATCH_1})
    math(EXPR month "1${CMAKE_MATCH_2} - 100")
    math(EXPR day "1${CMAKE_MATCH_3} - 100")
    set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
    math(EXPR index "${month} - 1")
    list(GET offsets ${index} offset)
    set(y ${year})
    if(month LESS 3)
        math(EXPR y "${y} - 1")
    endif()
    math(EXPR weekday "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${offset} + ${day}) % 7")
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET weekdays ${weekday} weekday_name)
    list(GET months ${index} month_name)
    set(${out_var} "${weekday_name}, ${CMAKE_MATCH_3} ${month_name} ${year} 12:00:00 +0000"
        PARENT_SCOPE)
endfunction()
tamsel_rfc2822_date(${TAMSEL_RELEASE_DATE} TAMSEL_RELEASE_DATE_RFC2822)

# Files that carry the version or the date are configured, so the version
# lives only in project().
configure_file(${_pkg_src}/${TAMSEL_APP_ID}.metainfo.xml.in
    ${_pkg_bin}/${TAMSEL_APP_ID}.metainfo.xml @ONLY)
configure_file(${_pkg_src}/tamsel2.1.in ${_pkg_bin}/man/tamsel2.1 @ONLY)
configure_file(${_pkg_src}/tamsel2.de.1.in ${_pkg_bin}/man/de/tamsel2.1 @ONLY)
configure_file(${_pkg_src}/debian/changelog.in ${_pkg_bin}/changelog.Debian @ONLY)

# Manual pages and the Debian changelog are installed compressed. -n leaves
# the name and time stamp out, so the same sources give the same bytes.
find_program(TAMSEL_GZIP gzip REQUIRED)
set(_compressed)
foreach(file man/tamsel2.1 man/de/tamsel2.1 changelog.Debian)
    add_custom_command(OUTPUT ${_pkg_bin}/${file}.gz
        COMMAND ${TAMSEL_GZIP} -9 -n -k -f ${_pkg_bin}/${file}
        DEPENDS ${_pkg_bin}/${file}
        COMMENT "Compressing ${file}"
        VERBATIM)
    list(APPEND _compressed ${_pkg_bin}/${file}.gz)
endforeach()
add_custom_target(tamsel_packaging_files ALL DEPENDS ${_compressed})

if(TARGET tamsel2)
    install(TARGETS tamsel2 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
else()
    message(WARNING "There is no tamsel2 target: the install holds no program.")
endif()
install(FILES ${_pkg_src}/${TAMSEL_APP_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_pkg_bin}/${TAMSEL_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/res/tamsel2.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps
    RENAME ${TAMSEL_APP_ID}.png)
install(FILES ${PROJECT_SOURCE_DIR}/res/tamsel2.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${TAMSEL_APP_ID}.svg)
install(FILES ${_pkg_bin}/man/tamsel2.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${_pkg_bin}/man/de/tamsel2.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
install(FILES ${_pkg_src}/debian/copyright ${_pkg_bin}/changelog.Debian.gz
    DESTINATION ${_docdir})
install(FILES ${_pkg_src}/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
    RENAME ${TAMSEL_PACKAGE_NAME})

# The Debian package.
#
# lintian (run by tests/package/run.sh) reports no error on it and one
# warning, which the package overrides in its lintian-overrides file:
#   initial-upload-closes-no-bugs  The first Debian changelog entry of a new
#     package should close the bug that announced it for Debian. This package
#     is built and handed out by the project, not uploaded to Debian, so no
#     such bug exists.
# Left as information only: binary-has-unneeded-section (.comment). CPack
# strips the binary with plain `strip`, which keeps the compiler's ident
# section; it costs a few hundred bytes and nothing else.
# The build flags matter for that: the test configures with the flags of
# dpkg-buildflags, which turn on the hardening (relro, bindnow, fortify,
# stack protector) that lintian looks for.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TAMSEL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "Tamsel2 developers")
set(CPACK_PACKAGE_CONTACT ${TAMSEL_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${TAMSEL_HOMEPAGE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
# Debian's archive descriptions are English; the German texts are in the
# desktop entry and the metadata.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill program for linear equations in German words")
# CPack indents the lines and turns the blank ones into " ."; the lines are
# broken here because the field is read on 80-column terminals.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tamsel2 helps pupils learn to read and write simple linear equations in"
    "one unknown x, in German. It shows an equation such as x + 1234 = 5678"
    "and the pupil clicks the matching German question together from word"
    "blocks; in the other direction it shows the question and the pupil"
    "builds the equation."
    ""
    "Every answer is compared with all correct wordings. The program says OK"
    "or falsch (wrong), shows a happy or a grim pumpkin and, after a right"
    "answer, the value of x; after a wrong one a dialog lists all correct"
    "answers. Addition, subtraction, multiplication and division can each be"
    "chosen."
    ""
    "The program speaks German only. It reads no files, writes nothing and"
    "keeps no settings.")

# Unstripped binaries and directories that follow the builder's umask are
# lintian errors and warnings; the package holds neither.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_PACKAGE_NAME ${TAMSEL_PACKAGE_NAME})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${TAMSEL_DEBIAN_REVISION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${TAMSEL_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAMSEL_HOMEPAGE})
# The Qt, C++ and C libraries the program links, with the versions it needs,
# as dpkg-shlibdeps reads them from the binary.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The layout was drawn for the widths of the classic Windows sans-serif face;
# Liberation Sans has them. Without it Qt falls back to another sans-serif
# face, and a caption may no longer fit its control, so it is recommended,
# not required.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
