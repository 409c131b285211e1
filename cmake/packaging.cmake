# Install layout and the Debian package. Included from the top-level
# CMakeLists.txt when the user interface is built.
#
#   cmake --install build/release --prefix /usr   -> bin/zentaro, desktop entry, icons, metainfo,
#                                                    manual page, changelog, copyright
#   cd build/release && cpack                     -> zentaro_1.00_amd64.deb

set(ZENTARO_APP_ID com.parvelin.Zentaro)
set(ZENTARO_ASSETS ${PROJECT_SOURCE_DIR}/assets)

if(TARGET zentaro AND NOT WIN32)
  install(TARGETS zentaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(UNIX AND NOT APPLE AND CMAKE_STRIP)
    # A stripped install (cpack, cmake --install --strip) also drops the
    # compiler's version notes, as Debian's dh_strip does; they only take room.
    install(CODE "
      if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/zentaro\"
                        COMMAND_ERROR_IS_FATAL ANY)
      endif()")
  endif()
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
  # Debian wants the licence beside the package's documentation, in its
  # machine-readable form, and the changelog and manual page compressed the
  # way its tools do it (best compression, no name or time in the header).
  install(FILES ${ZENTARO_ASSETS}/debian/copyright
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentaro)
  set(zentaro_gzipped)
  foreach(pair "debian/changelog=changelog" "zentaro.1=zentaro.1")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 source)
    list(GET pair 1 name)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/gzipped/${name})
    add_custom_command(OUTPUT ${copy}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${ZENTARO_ASSETS}/${source} ${copy}
      COMMAND gzip -9nf ${copy}
      DEPENDS ${ZENTARO_ASSETS}/${source}
      VERBATIM)
    list(APPEND zentaro_gzipped ${copy}.gz)
  endforeach()
  add_custom_target(zentaro_docs ALL DEPENDS ${zentaro_gzipped})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gzipped/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zentaro)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/gzipped/zentaro.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME zentaro)
set(CPACK_PACKAGE_VENDOR "Parvelin")
# The product's own version is written 1.00, not 1.0.
set(CPACK_PACKAGE_VERSION "1.00")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ohm's law calculator")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://parvelin.example.com/zentaro")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Zentaro)
set(CPACK_STRIP_FILES ON)
# What CPack leaves to the umask and the clock, set right before and after
# it packs; with SOURCE_DATE_EPOCH set, every build of a commit gives the
# same packages.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/reproducible_packages.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/reproducible_packages.cmake)

if(WIN32)
  include(${PROJECT_SOURCE_DIR}/packaging/windows/packaging.cmake)
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
# The windows are laid out for Liberation Sans, which stands in for MS Sans
# Serif; with only DejaVu Sans, whose letters are wider, captions wrap and are
# cut. CPack puts the libraries that dpkg-shlibdeps finds after this.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2 | fonts-liberation")
# Qt's own package does not bring the Wayland platform. The program opens its
# windows through the desktop's X server (Xwayland) even in a Wayland session,
# so the Wayland platform is only needed on a desktop without one.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")

include(CPack)
