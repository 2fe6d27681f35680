# Where an installed Orrindale puts its files, by the freedesktop and Debian
# conventions: programs in bin, libzadad in lib/<multiarch>, the files the
# program reads in share/orrindale, the manual in share/doc/orrindale.

# lib/<multiarch> under every prefix, not only under /usr, and the package's
# own documentation directory, unless chosen otherwise. GNUInstallDirs gives
# plain "lib" under other prefixes (also when the prefix of a configured
# build changes) and an empty directory for the documentation of a package
# found before this one.
if("${CMAKE_INSTALL_DOCDIR}" STREQUAL "")
  set(CMAKE_INSTALL_DOCDIR "share/doc/orrindale" CACHE PATH "Documentation (share/doc/orrindale)" FORCE)
endif()
include(GNUInstallDirs)
if(CMAKE_LIBRARY_ARCHITECTURE AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(CMAKE_INSTALL_LIBDIR "lib/${CMAKE_LIBRARY_ARCHITECTURE}"
      CACHE PATH "Object code libraries (lib/<multiarch>)" FORCE)
  include(GNUInstallDirs)
endif()
set(ORRINDALE_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/orrindale")

# The program finds the files delivered with it at ../share from its own
# directory (CProgramDirectory::GetDeliveredFile): build/bin beside
# build/share in the build tree, P/bin beside P/share when installed.
foreach(dir DATADIR DOCDIR)
  file(RELATIVE_PATH from_bin "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_${dir}}")
  if(NOT from_bin MATCHES "^\\.\\./share(/|$)")
    message(FATAL_ERROR "CMAKE_INSTALL_${dir} must lie under the share directory beside "
                        "CMAKE_INSTALL_BINDIR: the program looks for its files there.")
  endif()
endforeach()

# An installed program finds libzadad by a run path relative to itself,
# whatever the prefix; none where the system's linker looks anyway (a package
# for /usr), as Debian wants.
file(RELATIVE_PATH lib_from_bin "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_LIBDIR}")
if(NOT "${CMAKE_INSTALL_FULL_LIBDIR}" IN_LIST CMAKE_CXX_IMPLICIT_LINK_DIRECTORIES)
  set(CMAKE_INSTALL_RPATH "$ORIGIN/${lib_from_bin}")
endif()

# orrindale_deliver(FILE DESTINATION): a file the program reads at run time,
# copied into the build tree and installed at the same place under the
# prefix, so that the program finds it the same way in both.
function(orrindale_deliver file destination)
  cmake_path(GET file FILENAME name)
  configure_file(${file} ${CMAKE_BINARY_DIR}/${destination}/${name} COPYONLY)
  install(FILES ${file} DESTINATION ${destination})
endfunction()

# orrindale_install_program(TARGET MANPAGE PAGE.1): a program of the package
# in bin with its man page, written by hand in roff and installed compressed
# as Debian wants. Every program installs this way, for example
#   orrindale_install_program(orrindale-agenda MANPAGE ${CMAKE_SOURCE_DIR}/docs/orrindale-agenda.1)
# and gets its lines in packaging/installed-files.txt.in.
function(orrindale_install_program target)
  cmake_parse_arguments(P "" "MANPAGE" "" ${ARGN})
  if(NOT P_MANPAGE)
    message(FATAL_ERROR "orrindale_install_program(${target}): a program needs its man page")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  cmake_path(GET P_MANPAGE FILENAME page)
  cmake_path(GET page EXTENSION LAST_ONLY section)
  string(SUBSTRING "${section}" 1 -1 section)
  set(copy ${CMAKE_BINARY_DIR}/man/${page})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${P_MANPAGE} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${P_MANPAGE}
    COMMENT "Compressing the man page ${page}"
    VERBATIM)
  add_custom_target(${target}_manpage ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
