# The installation (cmake --install) and the Debian package (cpack).
#
# The program looks for its data tree beside itself, then in ../share/szeptaczki
# from its own folder; the layout here must keep bin/ and share/ side by side.

set(SZ_APP_ID org.example.szeptaczki)
set(SZ_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
set(SZ_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${SZ_PACKAGING_OUT})

install(TARGETS szeptaczki RUNTIME DESTINATION bin)

# The data tree and the icons are made by the generator after the build
# (scripts/setup.sh); an installation from a build that has none makes them.
install(CODE "
  if(NOT EXISTS \"${CMAKE_BINARY_DIR}/Data/.generated\" OR NOT EXISTS \"${CMAKE_BINARY_DIR}/icons\")
    message(STATUS \"Generating the default data tree\")
    execute_process(COMMAND \"$<TARGET_FILE:szeptaczki-datagen>\" \"${CMAKE_BINARY_DIR}\" RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
      message(FATAL_ERROR \"the data generator failed: \${made}\")
    endif()
  endif()")
# The settings a build's own runs left in its tree belong to that build.
install(DIRECTORY ${CMAKE_BINARY_DIR}/Data ${CMAKE_BINARY_DIR}/RESOURCE
        DESTINATION share/szeptaczki
        PATTERN .generated EXCLUDE
        PATTERN data.ini EXCLUDE
        PATTERN *.tmp EXCLUDE)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/ DESTINATION share/icons)

install(FILES ${SZ_PACKAGING}/szeptaczki.desktop DESTINATION share/applications RENAME ${SZ_APP_ID}.desktop)

set(SZ_SCREENSHOT main-menu.png)
string(TIMESTAMP SZ_RELEASE_DATE "%Y-%m-%d" UTC)
configure_file(${SZ_PACKAGING}/szeptaczki.metainfo.xml.in ${SZ_PACKAGING_OUT}/${SZ_APP_ID}.metainfo.xml @ONLY)
install(FILES ${SZ_PACKAGING_OUT}/${SZ_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Debian wants the manual page and the changelog compressed, without a time stamp.
function(sz_gzip source target)
  configure_file(${source} ${SZ_PACKAGING_OUT}/${target} @ONLY)
  execute_process(COMMAND gzip -9nc INPUT_FILE ${SZ_PACKAGING_OUT}/${target}
                  OUTPUT_FILE ${SZ_PACKAGING_OUT}/${target}.gz COMMAND_ERROR_IS_FATAL ANY)
endfunction()
sz_gzip(${SZ_PACKAGING}/szeptaczki.6 szeptaczki.6)
sz_gzip(${SZ_PACKAGING}/changelog changelog)
install(FILES ${SZ_PACKAGING_OUT}/szeptaczki.6.gz DESTINATION share/man/man6)
install(FILES ${SZ_PACKAGING}/copyright ${SZ_PACKAGING_OUT}/changelog.gz DESTINATION share/doc/szeptaczki)

# The screenshot the metadata names is taken from the installed program
# itself, with a user folder of its own, and kept with the documentation.
set(SZ_SHOT_SCRIPT_IN ${SZ_PACKAGING}/screenshot.txt)
install(CODE "
  set(installed \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  string(RANDOM LENGTH 8 scratchName)
  set(scratch \"${CMAKE_BINARY_DIR}/screenshot-\${scratchName}\")
  set(shot \"\${installed}/share/doc/szeptaczki/${SZ_SCREENSHOT}\")
  file(READ \"${SZ_SHOT_SCRIPT_IN}\" script)
  string(REPLACE \"@SHOT@\" \"\${shot}\" script \"\${script}\")
  file(WRITE \"\${scratch}/script.txt\" \"\${script}\")
  message(STATUS \"Taking the screenshot: \${shot}\")
  execute_process(COMMAND \"${CMAKE_COMMAND}\" -E env \"HOME=\${scratch}\" \"XDG_DATA_HOME=\${scratch}\"
                          \"\${installed}/bin/szeptaczki\" --headless --seed 6 --screen 1024x768
                          --script \"\${scratch}/script.txt\"
                  RESULT_VARIABLE ran ERROR_VARIABLE errors)
  file(REMOVE_RECURSE \"\${scratch}\")
  if(NOT ran EQUAL 0 OR NOT EXISTS \"\${shot}\")
    message(FATAL_ERROR \"the installed program did not take its screenshot (\${ran}): \${errors}\")
  endif()")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME szeptaczki)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Szeptaczki <kontakt@szeptaczki.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture games for practising the Polish sibilant sounds")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Five picture games in which a young Polish child practises the sibilant
sounds with a speech therapist or a parent: a train, memory cards, a
conveyor belt, suction cups and a forklift. The adult chooses the sounds,
their place in the word and the amount of material for each game; every
game ends on a summary and is recorded in a statistics file, and a tab of
the main menu records the child's voice.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Debian's games section is for programs in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://szeptaczki.example.org)
# The libraries the program links, as dpkg-shlibdeps finds them; the fonts
# of the labels it opens by file name are no library and are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
include(CPack)
