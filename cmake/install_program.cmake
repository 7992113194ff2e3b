# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cmake --install (see install.cmake): places the program and its rate
# file in the layout the prefix calls for, then the launcher.
# file(INSTALL) puts DESTDIR before its destination itself; the other file
# commands are given it.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(shared "${prefix}/share/tallyfox")
set(installed_shared "${CMAKE_INSTALL_PREFIX}/share/tallyfox")

if(CMAKE_INSTALL_PREFIX MATCHES "/\\.local/?$")
  # Per user: the program's folder is its data folder. The shipped rates only
  # where the user has none: a rate set in the program lives in that file.
  file(INSTALL "${TALLYFOX_PROGRAM}" DESTINATION "${installed_shared}" USE_SOURCE_PERMISSIONS)
  if(NOT EXISTS "${shared}/exrate.dat")
    file(COPY "${TALLYFOX_RATE_SOURCE}" DESTINATION "${shared}")
  endif()
  # A relative link stays right when the tree is staged under DESTDIR and moved.
  file(MAKE_DIRECTORY "${prefix}/bin")
  file(RELATIVE_PATH link_target "${prefix}/bin" "${shared}/tallyfox")
  file(CREATE_LINK "${link_target}" "${prefix}/bin/tallyfox" SYMBOLIC)
  set(program "${CMAKE_INSTALL_PREFIX}/share/tallyfox/tallyfox")
else()
  # System-wide: no user writes here; the rates are the shipped ones.
  file(INSTALL "${TALLYFOX_PROGRAM}" DESTINATION "${CMAKE_INSTALL_PREFIX}/bin"
       USE_SOURCE_PERMISSIONS)
  file(INSTALL "${TALLYFOX_RATE_SOURCE}" DESTINATION "${installed_shared}")
  set(program "${CMAKE_INSTALL_PREFIX}/bin/tallyfox")
endif()

# The launcher names the installed program itself, so it starts whether or
# not the link's folder is on the desktop's PATH. Quoted as a desktop entry's
# command line wants it: \ " ` $ escaped inside the quotes, then every
# backslash doubled as in any of its strings, and % doubled.
set(exec "${program}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REGEX REPLACE "([\"`$])" "\\\\\\1" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
file(READ "${TALLYFOX_DESKTOP_SOURCE}" entry)
string(REGEX MATCH "\nExec=[^\n]*" exec_line "${entry}")
string(REPLACE "${exec_line}" "\nExec=\"${exec}\"" entry "${entry}")
file(WRITE "${prefix}/share/applications/io.github.tallyfox.Tallyfox.desktop" "${entry}")

list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/bin/tallyfox"
     "${CMAKE_INSTALL_PREFIX}/share/applications/io.github.tallyfox.Tallyfox.desktop")
