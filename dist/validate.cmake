# Runs desktop-file-validate on the desktop entry and `appstreamcli validate` on the
# metainfo; any error or warning fails. Usage:
#   cmake -DDESKTOP_FILE=... -DMETAINFO_FILE=... -P validate.cmake
cmake_minimum_required(VERSION 3.22)

foreach(var DESKTOP_FILE METAINFO_FILE)
  if(NOT EXISTS "${${var}}")
    message(FATAL_ERROR "${var} '${${var}}' does not exist")
  endif()
endforeach()

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(NOT DESKTOP_FILE_VALIDATE OR NOT APPSTREAMCLI)
  message(FATAL_ERROR
    "desktop-file-validate or appstreamcli is missing: install desktop-file-utils and appstream")
endif()

# desktop-file-validate exits 0 on warnings, so its output is read too.
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} "${DESKTOP_FILE}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR out MATCHES "(error|warning):")
  message(FATAL_ERROR "desktop-file-validate ${DESKTOP_FILE} failed (${rc}):\n${out}")
endif()
message(STATUS "desktop-file-validate: ${DESKTOP_FILE} is valid")

# appstreamcli exits non-zero on errors and on warnings.
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color "${METAINFO_FILE}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate ${METAINFO_FILE} failed (${rc}):\n${out}")
endif()
message(STATUS "appstreamcli validate: ${out}")
