# The translations of the texts for people: every po/LANGUAGE.po is checked
# and compiled by GNU gettext's msgfmt, Japanese also in Shift-JIS (code page
# 932, converted by msgconv through iconv), and the compiled images become a
# generated source of the given target. Nothing of it is needed at run time.

find_program(LWALL_MSGFMT msgfmt)
find_program(LWALL_MSGCONV msgconv)
if(NOT LWALL_MSGFMT OR NOT LWALL_MSGCONV)
  message(FATAL_ERROR "The catalogs in po/ need GNU gettext's msgfmt and msgconv "
                      "(Debian: apt-get install gettext).")
endif()

# The encodings each language is compiled in besides UTF-8.
set(LWALL_CATALOG_ENCODINGS_ja CP932)

function(lwall_add_catalogs target)
  file(GLOB catalogs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/catalogs)
  file(MAKE_DIRECTORY ${dir})
  set(images "")
  foreach(po IN LISTS catalogs)
    get_filename_component(language ${po} NAME_WE)
    # The .mo format leaves the byte order to the machine; one order for
    # every build makes the images the same everywhere.
    add_custom_command(OUTPUT ${dir}/${language}.UTF-8.mo
      COMMAND ${LWALL_MSGFMT} --check --endianness=little -o ${dir}/${language}.UTF-8.mo ${po}
      DEPENDS ${po} VERBATIM)
    list(APPEND images ${dir}/${language}.UTF-8.mo)
    foreach(encoding IN LISTS LWALL_CATALOG_ENCODINGS_${language})
      add_custom_command(OUTPUT ${dir}/${language}.${encoding}.mo
        COMMAND ${LWALL_MSGCONV} --to-code=${encoding} -o ${dir}/${language}.${encoding}.po ${po}
        COMMAND ${LWALL_MSGFMT} --check --endianness=little -o ${dir}/${language}.${encoding}.mo
                ${dir}/${language}.${encoding}.po
        DEPENDS ${po} VERBATIM)
      list(APPEND images ${dir}/${language}.${encoding}.mo)
    endforeach()
  endforeach()
  list(JOIN images "|" joined)
  add_custom_command(OUTPUT ${dir}/catalog_images.cc
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${dir}/catalog_images.cc -DIMAGES=${joined}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedCatalogs.cmake
    DEPENDS ${images} ${PROJECT_SOURCE_DIR}/cmake/EmbedCatalogs.cmake VERBATIM)
  target_sources(${target} PRIVATE ${dir}/catalog_images.cc)
endfunction()
