# Writes the compiled catalogs into a C++ source as arrays of bytes, so that
# the program carries its translations inside itself and what the compiler
# takes the source's characters for never matters.
#
#   cmake -DOUTPUT=catalog_images.cc -DIMAGES="dir/ja.UTF-8.mo|dir/ja.CP932.mo" -P EmbedCatalogs.cmake
#
# Each image is named LANGUAGE.ENCODING.mo; ENCODING is UTF-8 or CP932.

string(REPLACE "|" ";" images "${IMAGES}")
set(arrays "")
set(lookups "")
set(index 0)
foreach(image IN LISTS images)
  get_filename_component(name "${image}" NAME)
  if(NOT name MATCHES "^([a-zA-Z_@]+)\\.(UTF-8|CP932)\\.mo$")
    message(FATAL_ERROR "${image}: not named LANGUAGE.UTF-8.mo or LANGUAGE.CP932.mo")
  endif()
  set(language "${CMAKE_MATCH_1}")
  if(CMAKE_MATCH_2 STREQUAL "UTF-8")
    set(encoding "kUtf8")
  else()
    set(encoding "kShiftJis")
  endif()
  file(READ "${image}" hex HEX)
  # Sixteen bytes a line.
  string(REGEX REPLACE "(................................)" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," hex "${hex}")
  string(REGEX REPLACE "\n$" "" hex "${hex}")
  string(REPLACE "\n" "\n    " hex "${hex}")
  string(APPEND arrays "// ${name}\nconstexpr unsigned char kImage${index}[] = {\n    ${hex}\n};\n")
  string(APPEND lookups
         "  if (language == \"${language}\" && encoding == TextEncoding::${encoding}) {\n"
         "    return {reinterpret_cast<const char*>(kImage${index}), sizeof kImage${index}};\n"
         "  }\n")
  math(EXPR index "${index} + 1")
endforeach()

set(source "// Generated at build time by cmake/EmbedCatalogs.cmake from po/*.po: do not edit.
#include \"common/catalog_images.h\"

namespace lwall {

namespace {

${arrays}
}  // namespace

std::string_view CatalogImage([[maybe_unused]] std::string_view language,
                              [[maybe_unused]] TextEncoding encoding) {
${lookups}  return {};
}

}  // namespace lwall
")
file(WRITE "${OUTPUT}" "${source}")
