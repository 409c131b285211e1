# Windows install layout and packages: a 64-bit NSIS installer and a zip of
# the same files. Included from cmake/packaging.cmake when building for Windows.
#
#   cmake --install build --prefix DIR   -> DIR/zentaro.exe with the Qt and
#                                           MinGW DLLs and plugins beside it
#   cpack --preset windows               -> build/windows/package/:
#                                           zentaro-1.00-win64.exe and .zip,
#                                           the zip's SBOM, qt-source/
#
# The layout is the one windeployqt makes: the libraries beside the program,
# each plugin in its own folder, where Qt looks first (the program's folder is
# always on its plugin path).

# Qt's targets are imported where the program is built; bring them here too,
# with the two plugins shipped, which Qt 6.8 no longer imports unasked.
find_package(Qt6 REQUIRED COMPONENTS Widgets)
find_package(Qt6QWindowsIntegrationPlugin REQUIRED CONFIG PATHS ${Qt6Gui_DIR} NO_DEFAULT_PATH)
find_package(Qt6QModernWindowsStylePlugin REQUIRED CONFIG PATHS ${Qt6Widgets_DIR} NO_DEFAULT_PATH)

install(TARGETS zentaro RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
# Without it Qt falls back to its plain Windows style, not the native look:
# Qt 6.8's plugin holds the windowsvista style (and the Windows 11 one).
install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> DESTINATION styles)

# The C++ runtime that MinGW-w64's g++ links to, found where the compiler
# itself keeps it.
set(ZENTARO_MINGW_RUNTIME "")
foreach(dll libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
    message(FATAL_ERROR "The MinGW runtime ${dll} was not found beside ${CMAKE_CXX_COMPILER}")
  endif()
  list(APPEND ZENTARO_MINGW_RUNTIME "${found}")
endforeach()
install(FILES ${ZENTARO_MINGW_RUNTIME} DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

# NOTICES.txt, beside the program: every component shipped, with its version,
# its licence and the licence's full text, taken from what was built: Qt's
# own SBOM, Debian's source package of that Qt (its LICENSES/), and the
# compiler and the Debian packages of its runtime. scripts/build-windows
# links the source package's folder into the build tree for the windows
# preset; the same arguments, written to windows-components.args, make the
# SBOM of the zip once it is packed (after_packing.cmake).
set(ZENTARO_QT_SOURCE "" CACHE PATH
    "Debian's qt6-base source package of the Qt for Windows, with its LICENSES/ folder")
file(GLOB zentaro_qt_sbom "${QT6_INSTALL_PREFIX}/sbom/qtbase-*.spdx")
if(NOT zentaro_qt_sbom OR NOT IS_DIRECTORY "${ZENTARO_QT_SOURCE}/LICENSES")
  message(FATAL_ERROR "The Windows packages name every component they ship, and need Qt's SBOM "
                      "(found: '${zentaro_qt_sbom}') and ZENTARO_QT_SOURCE, Debian's qt6-base "
                      "source package with its LICENSES/ (given: '${ZENTARO_QT_SOURCE}'). "
                      "scripts/build-windows provides both.")
endif()
find_program(ZENTARO_PYTHON3 python3 REQUIRED)
set(zentaro_notices ${CMAKE_CURRENT_BINARY_DIR}/NOTICES.txt)
set(zentaro_components_args ${CMAKE_CURRENT_BINARY_DIR}/windows-components.args)
file(GENERATE OUTPUT ${zentaro_components_args} CONTENT "--version
${CPACK_PACKAGE_VERSION}
--license
${PROJECT_SOURCE_DIR}/LICENSE
--qt-sbom
${zentaro_qt_sbom}
--qt-source
${ZENTARO_QT_SOURCE}
--compiler
${CMAKE_CXX_COMPILER}
--qt-file
$<TARGET_FILE_NAME:Qt6::Core>
$<TARGET_FILE_NAME:Qt6::Gui>
$<TARGET_FILE_NAME:Qt6::Widgets>
$<TARGET_FILE_NAME:Qt6::QWindowsIntegrationPlugin>
$<TARGET_FILE_NAME:Qt6::QModernWindowsStylePlugin>
")
add_custom_command(OUTPUT ${zentaro_notices}
  COMMAND ${ZENTARO_PYTHON3} ${PROJECT_SOURCE_DIR}/packaging/windows/windows_components.py notices
          --out ${zentaro_notices} @${zentaro_components_args}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/windows/windows_components.py ${zentaro_components_args}
          ${zentaro_qt_sbom} ${PROJECT_SOURCE_DIR}/LICENSE
  VERBATIM)
add_custom_target(zentaro_notices ALL DEPENDS ${zentaro_notices})
install(FILES ${zentaro_notices} DESTINATION .)

# Once packed: the zip's SBOM, and the shipped Qt's source, beside the packages.
set(CPACK_ZENTARO_PYTHON3 ${ZENTARO_PYTHON3})
set(CPACK_ZENTARO_COMPONENTS ${PROJECT_SOURCE_DIR}/packaging/windows/windows_components.py)
set(CPACK_ZENTARO_COMPONENTS_ARGS ${zentaro_components_args})
set(CPACK_ZENTARO_QT_PREFIX ${QT6_INSTALL_PREFIX})
set(CPACK_ZENTARO_QT_SOURCE ${ZENTARO_QT_SOURCE})
list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/after_packing.cmake)

# CPACK_STRIP_FILES strips only what install(TARGETS) installs; every DLL is
# stripped here too (about 62 MB of payload unstripped, 28 MB stripped).
# strip writes a new PE timestamp into every file it strips, the current time
# unless SOURCE_DATE_EPOCH is set, when it writes that: so the program and
# every DLL in the packages carry the release's time, set by scripts/release.
if(CMAKE_STRIP)
  install(CODE "
    file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(dll IN LISTS dlls)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${dll}\" RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"cannot strip \${dll}\")
      endif()
    endforeach()
  ")
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME zentaro-${CPACK_PACKAGE_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Zentaro)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_EXECUTABLES zentaro Zentaro) # the Start-menu entry
set(CPACK_NSIS_INSTALLED_ICON_NAME zentaro.exe)
set(CPACK_NSIS_MUI_ICON ${ZENTARO_ASSETS}/zentaro.ico)
set(CPACK_NSIS_MUI_UNIICON ${ZENTARO_ASSETS}/zentaro.ico)
set(CPACK_NSIS_DISPLAY_NAME Zentaro)
set(CPACK_NSIS_PACKAGE_NAME Zentaro)
set(CPACK_NSIS_URL_INFO_ABOUT ${CPACK_PACKAGE_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit program goes under "Program Files", not "Program Files (x86)".
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# Debian's makensis makes a 32-bit installer unless told otherwise, and that
# one cannot run where only 64-bit Windows programs do. The version block
# gives the installer file and product version 1.00, as the program has
# (single quotes: CPack writes the value into a double-quoted string).
# SetDateSave off: makensis stores each file's modification time in the
# installer unless told not to; the program's and the DLLs' are those of this
# build, and the plugins' (UserInfo.dll, InstallOptions) those of NSIS's own
# files. Said here, at the top of the script, it covers the plugins too, which
# a SetDateSave in the install section would not. Debian's makensis keeps its
# stubs' own fixed PE timestamp and takes a folder's files in name order, so
# with this the installer is the same on every build of a commit.
string(JOIN "\n" CPACK_NSIS_DEFINES
  "Target amd64-unicode"
  "SetDateSave off"
  "VIProductVersion 1.0.0.0"
  "VIFileVersion 1.0.0.0"
  "VIAddVersionKey ProductName Zentaro"
  "VIAddVersionKey CompanyName Parvelin"
  "VIAddVersionKey FileDescription 'Zentaro ${CPACK_PACKAGE_VERSION} setup'"
  "VIAddVersionKey FileVersion ${CPACK_PACKAGE_VERSION}"
  "VIAddVersionKey ProductVersion ${CPACK_PACKAGE_VERSION}"
  "VIAddVersionKey LegalCopyright 'Copyright (C) 2026 Parvelin'"
)
