# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file under FOLDER includes a Qt header: that folder must
# build with the standard library alone.
file(GLOB_RECURSE sources "${FOLDER}/*.cpp" "${FOLDER}/*.h")
foreach(source ${sources})
  file(STRINGS "${source}" qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]Q")
  if(qt_includes)
    message(FATAL_ERROR "${source} includes Qt, which ${FOLDER} must not:\n${qt_includes}")
  endif()
endforeach()
