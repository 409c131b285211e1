# Run by CPack twice: before it packs the staged files (CPACK_PRE_BUILD_SCRIPTS)
# and after it has written the packages (CPACK_POST_BUILD_SCRIPTS). A package
# must not depend on when, where or by whom it was packed.
#
# CPack 3.25 already takes SOURCE_DATE_EPOCH, when it is set, for the time of
# every member of the .deb (its ar container, both tarballs and their gzip
# headers) and of the zip, and it sorts the .deb's files by name. What it
# leaves:
#   - the folders that the install creates have the modes mkdir gives them,
#     so under umask 077 the .deb would install /usr/share/doc/zentaro and
#     the rest readable by root alone (CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
#     is handed to mkdir too, and the umask still applies): set here, before
#     packing, to 0755 (install() sets the files' own modes);
#   - the .deb's ar members' modes follow the umask;
#   - the zip's members come in the order the folders list them, each
#     member's DOS time is written in the packer's time zone, and the modes
#     follow the umask.
# strip-nondeterminism, Debian's tool for exactly this, rewrites the last
# two in place: for the zip it sorts the members, writes every time as
# SOURCE_DATE_EPOCH in UTC and sets each mode to 0644 or 0755; for the .deb's
# ar container it sets the modes, owners and times and leaves the members'
# bytes as they are. The NSIS installer needs nothing here (see
# packaging/windows/packaging.cmake).

if(NOT DEFINED CPACK_PACKAGE_FILES)
  file(GLOB_RECURSE staged LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
  foreach(path IN LISTS staged)
    if(IS_DIRECTORY "${path}" AND NOT IS_SYMLINK "${path}")
      file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
                                       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    endif()
  endforeach()
  return()
endif()

if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
find_program(ZENTARO_STRIP_NONDETERMINISM strip-nondeterminism)
if(NOT ZENTARO_STRIP_NONDETERMINISM)
  message(FATAL_ERROR "SOURCE_DATE_EPOCH is set, so the packages are to be reproducible, "
                      "but strip-nondeterminism is not installed (scripts/deps installs it)")
endif()
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.deb$")
    # Its ar normalizer takes only .a files by itself, and is off unless asked for.
    set(how --type ar --normalizers +ar)
  elseif(package MATCHES "\\.zip$")
    set(how --type zip)
  else()
    continue()
  endif()
  execute_process(
    COMMAND ${ZENTARO_STRIP_NONDETERMINISM} ${how} --timestamp $ENV{SOURCE_DATE_EPOCH} ${package}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
