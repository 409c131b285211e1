# Install layout and the Debian package. Included from the top-level
# CMakeLists.txt when the user interface is built.
#
#   cmake --install build/release --prefix /usr   -> bin/zentaro, desktop entry, icons, metainfo
#   cd build/release && cpack                     -> zentaro_1.00_amd64.deb

set(ZENTARO_APP_ID com.parvelin.Zentaro)
set(ZENTARO_ASSETS ${PROJECT_SOURCE_DIR}/assets)

if(TARGET zentaro AND NOT WIN32)
  install(TARGETS zentaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(UNIX AND NOT APPLE)
  install(FILES ${ZENTARO_ASSETS}/${ZENTARO_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${ZENTARO_ASSETS}/${ZENTARO_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  # The icon theme looks icons up by the desktop entry's Icon= name.
  foreach(size 48 256)
    install(FILES ${ZENTARO_ASSETS}/zentaro_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ZENTARO_APP_ID}.png)
  endforeach()
  install(FILES ${ZENTARO_ASSETS}/zentaro.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
          RENAME ${ZENTARO_APP_ID}.svg)
  # Debian wants the licence beside the package's documentation.
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentaro RENAME copyright)
endif()

set(CPACK_PACKAGE_NAME zentaro)
set(CPACK_PACKAGE_VENDOR "Parvelin")
# The product's own version is written 1.00, not 1.0.
set(CPACK_PACKAGE_VERSION "1.00")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ohm's law calculator")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://parvelin.example.com/zentaro")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zentaro)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/packaging_windows.cmake)
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zentaro_1.00_amd64.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Parvelin <zentaro@parvelin.example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# CPack puts the summary above this and indents each line as Debian wants.
set(CPACK_PACKAGE_DESCRIPTION "Zentaro solves Ohm's law, voltage = current x resistance: fill in two of
voltage, current and resistance, and it computes the third, rounded to three
decimal places. A theory page explains the law and its units.")
# Qt and the C++ runtime come from dpkg-shlibdeps, so apt brings them along;
# the X11 platform and JPEG plugins ship inside libqt6gui6 itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
