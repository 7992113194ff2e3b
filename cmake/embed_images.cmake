# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a C++ source holding every PNG of res/images as a byte array, keyed
# by the resource number that starts its file name ("128_icon.png") and by its
# scale: a name ending in "@2x" is the same picture at twice the size.
set(body "")
set(table "")
string(REPLACE "|" ";" images "${IMAGES}")
foreach(image IN LISTS images)
  get_filename_component(name ${image} NAME_WE)
  string(REGEX MATCH "^[0-9]+" number ${name})
  set(scale 1)
  if(name MATCHES "@([0-9]+)x$")
    set(scale ${CMAKE_MATCH_1})
  endif()
  set(symbol kImage${number}x${scale})
  file(READ ${image} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char ${symbol}[] = {${bytes}};\n")
  string(APPEND table "    {${number}, ${scale}, {${symbol}, sizeof ${symbol}}},\n")
endforeach()
file(WRITE ${OUTPUT} "// Generated from src/res/images; do not edit.
#include \"res/images.h\"
namespace tallyfox {
namespace {
${body}
struct Entry { int number; int scale; std::span<const unsigned char> bytes; };
const Entry kImages[] = {
${table}    {0, 0, {}},
};
}  // namespace
std::span<const unsigned char> ImageResource(int number, int scale) {
  for (const Entry& entry : kImages) {
    if (entry.number == number && entry.scale == scale) return entry.bytes;
  }
  return {};
}
}  // namespace tallyfox
")
