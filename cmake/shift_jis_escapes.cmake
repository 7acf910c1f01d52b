# Writes a UTF-8 source file again with every non-ASCII character spelt as
# the escapes of its Shift-JIS (code page 932) bytes, so that the compiler
# sees only ASCII and the program holds those bytes whatever its compiler's
# character set. Both bytes of a double-byte character are escaped: the
# second may be "\" or any ASCII letter.
#
#   cmake -DICONV=iconv -DINPUT=texts.def -DOUTPUT=texts.inc -P shift_jis_escapes.cmake
get_filename_component(output_dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${output_dir}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 "${INPUT}"
                OUTPUT_FILE "${OUTPUT}.tmp" RESULT_VARIABLE result ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}.tmp")
  message(FATAL_ERROR "${ICONV} cannot convert ${INPUT} to CP932: ${error}")
endif()
file(READ "${OUTPUT}.tmp" hex HEX)
file(REMOVE "${OUTPUT}.tmp")

string(REGEX MATCHALL ".." bytes "${hex}")
set(out "// Generated from ${INPUT} by shift_jis_escapes.cmake: edit that file.\n")
set(trail FALSE)    # this byte is the second of a double-byte character
set(escaped FALSE)  # the last thing written was an escape
foreach(byte IN LISTS bytes)
  math(EXPR code "0x${byte}")
  if(trail OR code GREATER_EQUAL 128)
    string(TOUPPER "${byte}" byte)
    string(APPEND out "\\x${byte}")
    set(escaped TRUE)
    if(trail)
      set(trail FALSE)
    elseif((code GREATER_EQUAL 129 AND code LESS_EQUAL 159) OR
           (code GREATER_EQUAL 224 AND code LESS_EQUAL 252))
      set(trail TRUE)  # 0x81 to 0x9F and 0xE0 to 0xFC lead a double-byte character
    endif()
  else()
    string(ASCII ${code} char)
    # A hex digit right after "\xHH" would lengthen the escape: end the
    # literal there and go on in the next one.
    if(escaped AND char MATCHES "[0-9A-Fa-f]")
      string(APPEND out "\" \"")
    endif()
    string(APPEND out "${char}")
    set(escaped FALSE)
  endif()
endforeach()
file(WRITE "${OUTPUT}" "${out}")
