# A cross build's packages fixture's setup: the packages as the workflow's
# package step (cpack --preset NAME) made them from this build, or made here
# when they are missing or older than what they pack, so that a package
# check can run alone after a build.
#   cmake -DBUILD=DIR -DOUT=DIR -DPACKAGES="x.exe;x.zip" -DINPUTS="a;b" -P package-made.cmake
set(stale FALSE)
foreach(package IN LISTS PACKAGES)
  foreach(input IN LISTS INPUTS)
    if(NOT EXISTS ${package} OR ${input} IS_NEWER_THAN ${package})
      set(stale TRUE)
    endif()
  endforeach()
endforeach()
if(NOT stale)
  message(STATUS "The packages in ${OUT} are those of this build")
  return()
endif()
message(STATUS "Packing this build into ${OUT}")
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD}/CPackConfig.cmake -B ${OUT}
                COMMAND_ERROR_IS_FATAL ANY)
