# SPDX-License-Identifier: GPL-3.0-or-later
# Installing VCQuick as a desktop program, and its Debian package:
#   cmake --install build --prefix ~/.local
#   cd build && cpack -G DEB          (makes vcquick_<version>_<arch>.deb)

include(GNUInstallDirs)

# The address is a stand-in until the project has one of its own.
set(VCQ_MAINTAINER "VCQuick authors <vcquick@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(VCQ_APPSTREAM_ID "org.vcquick.vcquick")

# Every folder the install makes is 0755 whatever the umask, as in a package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS vcquick RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# CPack's strip leaves the compilers' notes; Debian's strip removes them too.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vcquick\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/vcquick
        PATTERN "*.sh" EXCLUDE PATTERN "*.py" EXCLUDE PATTERN "README.md" EXCLUDE
        PATTERN "screenshots" EXCLUDE)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vcquick.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vcquick.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME ${VCQ_APPSTREAM_ID}.metainfo.xml)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/vcquick-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vcquick.xml)
install(FILES ${PROJECT_SOURCE_DIR}/assets/pictures/vcquick.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)
install(FILES ${PROJECT_SOURCE_DIR}/assets/pictures/vcquick-256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME vcquick.png)

# Debian wants the manual pages and the changelog compressed, reproducibly.
# The Japanese page is found by man(1) under a Japanese locale.
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/vcquick.1 ${CMAKE_BINARY_DIR}/packaging/vcquick.1 COPYONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/ja/vcquick.1 ${CMAKE_BINARY_DIR}/packaging/ja/vcquick.1
               COPYONLY)
set(VCQ_GZIPPED)
foreach(f vcquick.1 ja/vcquick.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${f}.gz
    COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/packaging/${f}
    DEPENDS ${CMAKE_BINARY_DIR}/packaging/${f} VERBATIM)
  list(APPEND VCQ_GZIPPED ${CMAKE_BINARY_DIR}/packaging/${f}.gz)
endforeach()
add_custom_target(vcqpackagingfiles ALL DEPENDS ${VCQ_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/vcquick.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/ja/vcquick.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/ja/man1)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/vcquick)
# lintian's tags that are right for this program, each with its reason.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME vcquick)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vcquick)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VCQ_MAINTAINER})
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VCQ_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2_mixer (and SDL2 through it) is loaded with dlopen on the first cue, and
# libespeak-ng on the first sentence read aloud, so the shared-library scan
# cannot see them. Qt's translations give its dialogs and buttons the
# learner's language; Qt itself only recommends them.
include(${CMAKE_CURRENT_LIST_DIR}/DlopenDepends.cmake)
vcq_dlopen_depends(VCQ_DLOPEN_DEPENDS libSDL2_mixer-2.0.so.0 libSDL2-2.0.so.0 libespeak-ng.so.1)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic, fonts-ipafont-mincho, ${VCQ_DLOPEN_DEPENDS}, espeak-ng-data, qt6-translations-l10n")
# The first line is the synopsis; the rest is the long description, which
# Debian's control format indents by one space.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[keyboard-driven drill of English words and phrases
VCQuick drills Japanese learners in English words and phrases, ten
questions at a time: type the missing words of a sentence or pick the
missing phrase from up to nine choices. Wrong answers are corrected at once
and asked again until the batch is right; progress shows as a coloured
score map and a table per lesson. Sample question banks are included.
.
日本語を話す学習者のための、キーボードで練習する英単語・英語表現ドリルです。]=])
include(CPack)
