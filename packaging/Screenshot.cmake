# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshot of the main menu at build time (cmake -P):
#   -DPROGRAM=built program -DTREE=build folder with the generated tree
#   -DSCRIPT=script with @SHOT@ -DSHOT=PNG file to write
# The program runs as an installed one would, from a scratch layout of its
# own (bin/ beside share/szeptaczki/), so that no file of the build's tree,
# settings included, is read or written.
cmake_minimum_required(VERSION 3.25)
set(stage ${TREE}/packaging/screenshot-stage)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage}/bin ${stage}/share/szeptaczki ${stage}/home)
file(COPY ${PROGRAM} DESTINATION ${stage}/bin)
get_filename_component(name ${PROGRAM} NAME)
file(CREATE_LINK ${TREE}/Data ${stage}/share/szeptaczki/Data SYMBOLIC)
file(CREATE_LINK ${TREE}/RESOURCE ${stage}/share/szeptaczki/RESOURCE SYMBOLIC)
file(READ ${SCRIPT} script)
string(REPLACE "@SHOT@" "${SHOT}" script "${script}")
file(WRITE ${stage}/script.txt "${script}")
file(REMOVE ${SHOT})
execute_process(COMMAND ${CMAKE_COMMAND} -E env HOME=${stage}/home XDG_DATA_HOME=${stage}/home
                        ${stage}/bin/${name} --headless --seed 6 --screen 1024x768 --script ${stage}/script.txt
                RESULT_VARIABLE ran ERROR_VARIABLE errors)
# The links go first, so that nothing can reach the tree through them.
file(REMOVE ${stage}/share/szeptaczki/Data ${stage}/share/szeptaczki/RESOURCE)
file(REMOVE_RECURSE ${stage})
if(NOT ran EQUAL 0 OR NOT EXISTS ${SHOT})
  message(FATAL_ERROR "the program did not take its screenshot (${ran}): ${errors}")
endif()
