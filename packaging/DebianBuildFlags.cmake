# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening flags, as dpkg-buildflags gives them to a package build
# with hardening=+all: fortify, the strong stack protector, format checks,
# relro and bindnow. On by default in optimised builds where dpkg-buildflags
# exists, so that the tree the package is made from is the hardened one; off
# under the sanitizers (which replace the checked functions) and in Debug
# builds (fortify needs the optimiser).
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
set(VCQ_HARDENING_DEFAULT OFF)
if(DPKG_BUILDFLAGS AND NOT VCQ_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  set(VCQ_HARDENING_DEFAULT ON)
endif()
option(VCQ_DEBIAN_HARDENING "Build with Debian's hardening flags (dpkg-buildflags)"
       ${VCQ_HARDENING_DEFAULT})

if(VCQ_DEBIAN_HARDENING)
  if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "VCQ_DEBIAN_HARDENING needs dpkg-buildflags (package dpkg-dev)")
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    # The build type already chooses -O and -g; the prefix map is for
    # reproducible packages, not hardening, and would hide the sources from
    # a debugger run in the build tree.
    list(FILTER flags EXCLUDE REGEX "^-(O[0-3s]?|g|ffile-prefix-map=.*)$")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()
