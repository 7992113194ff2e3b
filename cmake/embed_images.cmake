# Writes a C++ source holding every PNG of res/images as a byte array, keyed
# by the resource number that starts its file name ("128_icon.png").
set(body "")
set(table "")
string(REPLACE "|" ";" images "${IMAGES}")
foreach(image IN LISTS images)
  get_filename_component(name ${image} NAME_WE)
  string(REGEX MATCH "^[0-9]+" number ${name})
  file(READ ${image} hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND body "const unsigned char kImage${number}[] = {${bytes}};\n")
  string(APPEND table "    {${number}, {kImage${number}, sizeof kImage${number}}},\n")
endforeach()
file(WRITE ${OUTPUT} "// Generated from src/res/images; do not edit.
#include \"res/images.h\"
namespace tallyfox {
namespace {
${body}
struct Entry { int number; std::span<const unsigned char> bytes; };
const Entry kImages[] = {
${table}    {0, {}},
};
}  // namespace
std::span<const unsigned char> ImageResource(int number) {
  for (const Entry& entry : kImages) {
    if (entry.number == number) return entry.bytes;
  }
  return {};
}
}  // namespace tallyfox
")
