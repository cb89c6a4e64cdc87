# SPDX-License-Identifier: GPL-3.0-or-later
# The packages of the libraries the program opens with dlopen, which the
# shared-library scan cannot see. They are looked up on the building machine
# by soname, with the version that the library's own shlibs entry asks for,
# so that a package names its release's libraries, never another's.
#   vcq_dlopen_depends(OUT soname...)
function(vcq_dlopen_depends out)
  set(deps)
  foreach(soname IN LISTS ARGN)
    execute_process(COMMAND dpkg-query -S "*/${soname}"
      OUTPUT_VARIABLE owner RESULT_VARIABLE rc ERROR_QUIET)
    # "libfoo1:amd64: /usr/lib/x86_64-linux-gnu/libfoo.so.1"
    if(NOT rc EQUAL 0 OR NOT owner MATCHES "^([^:, \n]+)")
      message(WARNING "no installed package has ${soname}: the package will not depend on it")
      continue()
    endif()
    set(pkg ${CMAKE_MATCH_1})
    # "libfoo.so.1" has the shlibs entry "libfoo 1 libfoo1 (>= 1.2)".
    string(REGEX REPLACE "\\.so\\.([0-9.]+)$" " \\1 " key "${soname}")
    execute_process(COMMAND dpkg-query --control-show ${pkg} shlibs
      OUTPUT_VARIABLE shlibs ERROR_QUIET)
    string(REPLACE "\n" ";" shlibs "${shlibs}")
    set(dep ${pkg})
    foreach(line IN LISTS shlibs)
      string(FIND "${line}" "${key}" at)
      if(at EQUAL 0)
        string(LENGTH "${key}" n)
        string(SUBSTRING "${line}" ${n} -1 dep)
        break()
      endif()
    endforeach()
    list(APPEND deps "${dep}")
  endforeach()
  list(JOIN deps ", " joined)
  set(${out} "${joined}" PARENT_SCOPE)
endfunction()
