# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installation (cmake --install). It only copies what the build made:
# the data tree, the icons, the screenshot and a stripped program are all
# build products, so an installation runs nothing.
#
# The program looks for its data tree beside itself, then in ../share/szeptaczki
# from its own folder; the layout here must keep bin/ and share/ side by side.

# The Debian package strips the program itself, keeping the symbols in its
# debug package; any other installation gets a copy stripped by the build.
option(SZEPTACZKI_INSTALL_STRIPPED "Install a stripped copy of the program" ON)

set(SZ_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
set(SZ_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${SZ_PACKAGING_OUT})

if(SZEPTACZKI_INSTALL_STRIPPED)
  add_custom_command(OUTPUT ${SZ_PACKAGING_OUT}/bin/szeptaczki
    COMMAND ${CMAKE_COMMAND} -E make_directory ${SZ_PACKAGING_OUT}/bin
    COMMAND ${CMAKE_STRIP} --strip-all -o ${SZ_PACKAGING_OUT}/bin/szeptaczki $<TARGET_FILE:szeptaczki>
    DEPENDS szeptaczki
    COMMENT "Stripping the program for installation"
    VERBATIM)
  add_custom_target(szeptaczki-stripped ALL DEPENDS ${SZ_PACKAGING_OUT}/bin/szeptaczki)
  install(PROGRAMS ${SZ_PACKAGING_OUT}/bin/szeptaczki DESTINATION bin)
else()
  install(TARGETS szeptaczki RUNTIME DESTINATION bin)
endif()

# The screenshot of the main menu that the documentation shows, taken from the
# built program on the generated tree with a user folder of its own.
set(SZ_SCREENSHOT ${SZ_PACKAGING_OUT}/main-menu.png)
add_custom_command(OUTPUT ${SZ_SCREENSHOT}
  COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:szeptaczki> -DTREE=${CMAKE_BINARY_DIR}
          -DSCRIPT=${SZ_PACKAGING}/screenshot.txt -DSHOT=${SZ_SCREENSHOT} -P ${SZ_PACKAGING}/Screenshot.cmake
  DEPENDS szeptaczki ${CMAKE_BINARY_DIR}/Data/.generated ${SZ_PACKAGING}/screenshot.txt ${SZ_PACKAGING}/Screenshot.cmake
  COMMENT "Taking the screenshot of the main menu"
  VERBATIM)
add_custom_target(szeptaczki-screenshot ALL DEPENDS ${SZ_SCREENSHOT})

# The settings a build's own runs left in its tree belong to that build.
install(DIRECTORY ${CMAKE_BINARY_DIR}/Data ${CMAKE_BINARY_DIR}/RESOURCE
        DESTINATION share/szeptaczki
        PATTERN .generated EXCLUDE
        PATTERN data.ini EXCLUDE
        PATTERN *.tmp EXCLUDE)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons)

configure_file(${SZ_PACKAGING}/szeptaczki.desktop ${SZ_PACKAGING_OUT}/${SZ_APP_ID}.desktop @ONLY)
install(FILES ${SZ_PACKAGING_OUT}/${SZ_APP_ID}.desktop DESTINATION share/applications)

# The release date is the newest changelog entry's, so that two builds of
# one version write the same metadata.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/debian/changelog sz_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT sz_trailer MATCHES ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "no date in the changelog's first entry: ${sz_trailer}")
endif()
set(sz_day ${CMAKE_MATCH_1})
set(sz_year ${CMAKE_MATCH_3})
set(sz_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND sz_months ${CMAKE_MATCH_2} sz_month)
math(EXPR sz_month "${sz_month} + 1" OUTPUT_FORMAT DECIMAL)
if(sz_month LESS 10)
  set(sz_month 0${sz_month})
endif()
set(SZ_RELEASE_DATE ${sz_year}-${sz_month}-${sz_day})
configure_file(${SZ_PACKAGING}/szeptaczki.metainfo.xml.in ${SZ_PACKAGING_OUT}/${SZ_APP_ID}.metainfo.xml @ONLY)
install(FILES ${SZ_PACKAGING_OUT}/${SZ_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The manual page compressed as Debian wants it, without a time stamp.
configure_file(${SZ_PACKAGING}/szeptaczki.6 ${SZ_PACKAGING_OUT}/szeptaczki.6 @ONLY)
execute_process(COMMAND gzip -9nc INPUT_FILE ${SZ_PACKAGING_OUT}/szeptaczki.6
                OUTPUT_FILE ${SZ_PACKAGING_OUT}/szeptaczki.6.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${SZ_PACKAGING_OUT}/szeptaczki.6.gz DESTINATION share/man/man6)
install(FILES ${SZ_PACKAGING}/debian/copyright ${SZ_SCREENSHOT} DESTINATION share/doc/szeptaczki)
