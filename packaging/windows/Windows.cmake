# SPDX-FileCopyrightText: 2026 the Szeptaczki developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program: a GUI program (no console window) linked statically
# into one file, with its icon, version and manifest as resources.
# SZ_WINDOWS_ICON names the .ico file made from the generated icons.

target_link_libraries(szeptaczki_lib PUBLIC shell32 ole32 uuid)
target_link_options(szeptaczki PRIVATE -mwindows -static -static-libgcc -static-libstdc++)

set(SZ_WINDOWS_ICON "" CACHE FILEPATH "The program's icon (.ico)")
string(REPLACE "." "," SZ_VERSION_COMMAS "${PROJECT_VERSION}.0.0")
configure_file(${CMAKE_CURRENT_LIST_DIR}/szeptaczki.rc.in ${CMAKE_BINARY_DIR}/szeptaczki.rc @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/szeptaczki.manifest.in ${CMAKE_BINARY_DIR}/szeptaczki.manifest @ONLY)
target_sources(szeptaczki PRIVATE ${CMAKE_BINARY_DIR}/szeptaczki.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/szeptaczki.rc PROPERTIES
  OBJECT_DEPENDS "${SZ_WINDOWS_ICON};${CMAKE_BINARY_DIR}/szeptaczki.manifest")

# The installer's test (ctest -L windows, from scripts/windows.sh --test) is
# the native test program driving Wine; SZ_NATIVE_BUILD names its build.
set(SZ_NATIVE_BUILD "" CACHE PATH "The native build whose tests drive Wine")
if(SZ_NATIVE_BUILD)
  enable_testing()
  add_test(NAME WindowsInstaller COMMAND ${SZ_NATIVE_BUILD}/szeptaczki-tests --gtest_also_run_disabled_tests
           --gtest_filter=WindowsInstaller.*)
  set_tests_properties(WindowsInstaller PROPERTIES LABELS windows TIMEOUT 1800
                       ENVIRONMENT "SZ_PROGRAM=${SZ_NATIVE_BUILD}/szeptaczki")
endif()
