# Run by CPack once the zip is written (CPACK_POST_BUILD_SCRIPTS, after
# cmake/reproducible_packages.cmake has made its bytes final): writes the
# zip's SPDX SBOM beside it, and puts the corresponding source of the Qt
# that the packages ship beside them too, as Debian publishes it, with the
# options it was configured with. All of it is released with the packages.
# CPack hands over the packages where it made them, before it copies them to
# the package folder, as they will be there.
set(out ${CPACK_PACKAGE_DIRECTORY})
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.zip$")
    continue()
  endif()
  execute_process(
    COMMAND ${CPACK_ZENTARO_PYTHON3} ${CPACK_ZENTARO_COMPONENTS} spdx --zip ${package}
            --out ${out}/zentaro-${CPACK_PACKAGE_VERSION}.spdx.json @${CPACK_ZENTARO_COMPONENTS_ARGS}
    COMMAND_ERROR_IS_FATAL ANY)
  set(options ${CPACK_ZENTARO_QT_PREFIX}/qt6-base-configure-options.txt)
  if(NOT EXISTS ${options})
    message(FATAL_ERROR "${options} is missing: this Qt for Windows was not built by "
                        "tools/windows/build-qt, which records how it configured Qt")
  endif()
  file(GLOB source ${CPACK_ZENTARO_QT_SOURCE}/qt6-base_*)
  file(REMOVE_RECURSE ${out}/qt-source)
  file(COPY ${source} ${options} DESTINATION ${out}/qt-source)
endforeach()
