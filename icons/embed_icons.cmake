cmake_minimum_required(VERSION 3.25)

# Writes OUTPUT, a C++ source holding every icon of MANIFEST (lines "code<TAB>name")
# as the bytes of PNG_DIR/name.png and PNG_DIR/name@2x.png.
# Usage: cmake -DMANIFEST=... -DPNG_DIR=... -DOUTPUT=... -P embed_icons.cmake

file(STRINGS "${MANIFEST}" lines REGEX "^[0-9]+\t")
set(arrays "")
set(entries "")
set(embedded_names "")
foreach(line IN LISTS lines)
  string(REPLACE "\t" ";" fields "${line}")
  list(GET fields 0 code)
  list(GET fields 1 name)
  string(MAKE_C_IDENTIFIER "${name}" id)
  if(NOT name IN_LIST embedded_names)
    list(APPEND embedded_names "${name}")
    foreach(scale IN ITEMS 1 2)
      if(scale EQUAL 1)
        set(file "${PNG_DIR}/${name}.png")
      else()
        set(file "${PNG_DIR}/${name}@2x.png")
      endif()
      file(READ "${file}" hex HEX)
      string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
      string(APPEND arrays "const uint8_t k_${id}_${scale}[] = {${bytes}};\n")
    endforeach()
  endif()
  string(APPEND entries "        {${code}, k_${id}_1, k_${id}_2},\n")
endforeach()

file(WRITE "${OUTPUT}.tmp" "// Written by embed_icons.cmake from icons/icons.tsv; do not edit.
#include \"bars/embedded_icons.h\"

namespace {

${arrays}
}  // namespace

std::span<const SEmbeddedIcon> GetEmbeddedIcons()
{
    static const SEmbeddedIcon icons[] = {
${entries}    };
    return icons;
}
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
