# Run by cmake --install after the program is in place (see install.cmake).
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(app_dir "${prefix}/${TALLYFOX_APP_DIR}")

# The shipped rates only where the user has none: a rate set in the program lives in that file.
if(EXISTS "${TALLYFOX_RATE_SOURCE}" AND NOT EXISTS "${app_dir}/exrate.dat")
  file(COPY "${TALLYFOX_RATE_SOURCE}" DESTINATION "${app_dir}")
endif()

# A relative link stays right when the tree is staged under DESTDIR and moved.
file(MAKE_DIRECTORY "${prefix}/bin")
file(RELATIVE_PATH link_target "${prefix}/bin" "${app_dir}/tallyfox")
file(CREATE_LINK "${link_target}" "${prefix}/bin/tallyfox" SYMBOLIC)

# The launcher names the installed program itself, so it starts whether or
# not the link's folder is on the desktop's PATH. Quoted as a desktop entry's
# command line wants it: \ " ` $ escaped inside the quotes, then every
# backslash doubled as in any of its strings, and % doubled.
set(exec "${CMAKE_INSTALL_PREFIX}/${TALLYFOX_APP_DIR}/tallyfox")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REGEX REPLACE "([\"`$])" "\\\\\\1" exec "${exec}")
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
file(READ "${TALLYFOX_DESKTOP_SOURCE}" entry)
string(REGEX MATCH "\nExec=[^\n]*" exec_line "${entry}")
string(REPLACE "${exec_line}" "\nExec=\"${exec}\"" entry "${entry}")
file(WRITE "${prefix}/share/applications/org.example.tallyfox.desktop" "${entry}")

list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${CMAKE_INSTALL_PREFIX}/bin/tallyfox"
     "${CMAKE_INSTALL_PREFIX}/share/applications/org.example.tallyfox.desktop")
