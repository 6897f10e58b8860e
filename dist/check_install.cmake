# Installs the build into a scratch DESTDIR under /usr, as the Debian package does, and
# checks the tree: exactly the expected files, icons of the sizes their folders claim, a
# desktop entry and a metainfo that point at what is installed, and a program that starts.
# Usage: cmake -DBUILD_DIR=... -DSTAGE=... -DAPP_ID=... -DVERSION=... -DICON_SIZES=... -P
cmake_minimum_required(VERSION 3.22)

foreach(var BUILD_DIR STAGE APP_ID VERSION ICON_SIZES)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${STAGE}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${STAGE}"
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix /usr
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()
set(root "${STAGE}/usr")

# Exactly these files, nothing missing and nothing stray.
set(expected
  games/tazkova
  games/tazkova-cli
  games/tazkova-arena
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/icons/hicolor/scalable/apps/${APP_ID}.svg
  share/doc/tazkova/copyright
  share/doc/tazkova/changelog.gz
  share/man/man6/tazkova.6.gz
  share/man/man6/tazkova-cli.6.gz
  share/man/man6/tazkova-arena.6.gz)
foreach(size IN LISTS ICON_SIZES)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
file(GLOB_RECURSE outside LIST_DIRECTORIES false RELATIVE "${STAGE}" "${STAGE}/*")
foreach(path IN LISTS outside)
  if(NOT path MATCHES "^usr/")
    fail("installed outside /usr: /${path}")
  endif()
endforeach()
foreach(path IN LISTS expected)
  if(NOT path IN_LIST installed)
    fail("missing: /usr/${path}")
  endif()
endforeach()
foreach(path IN LISTS installed)
  if(NOT path IN_LIST expected)
    fail("not expected: /usr/${path}")
  endif()
endforeach()

# Each PNG is a PNG of the size its folder names (width and height from the IHDR chunk).
foreach(size IN LISTS ICON_SIZES)
  set(png "${root}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
  if(NOT EXISTS "${png}")
    continue()
  endif()
  file(READ "${png}" head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 24 8 chunk)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    fail("not a PNG: ${png}")
    continue()
  endif()
  string(SUBSTRING "${head}" 32 8 width)
  string(SUBSTRING "${head}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    fail("${png} is ${width}x${height}, expected ${size}x${size}")
  endif()
endforeach()
set(svg "${root}/share/icons/hicolor/scalable/apps/${APP_ID}.svg")
if(EXISTS "${svg}")
  file(READ "${svg}" text)
  if(NOT text MATCHES "<svg[ \t\n]")
    fail("not an SVG picture: ${svg}")
  endif()
endif()

# The desktop entry starts an installed program and names an installed icon.
set(desktop "${root}/share/applications/${APP_ID}.desktop")
if(EXISTS "${desktop}")
  file(STRINGS "${desktop}" lines)
  set(exec "")
  set(icon "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^Exec=([^ ]+)")
      set(exec "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^Icon=(.+)$")
      set(icon "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  if(exec STREQUAL "" OR NOT EXISTS "${root}/games/${exec}")
    fail("desktop entry Exec '${exec}' is not an installed program")
  endif()
  if(icon STREQUAL "" OR NOT EXISTS "${root}/share/icons/hicolor/scalable/apps/${icon}.svg")
    fail("desktop entry Icon '${icon}' is not an installed icon")
  endif()
endif()

# The metainfo names this component, the installed desktop entry and program, and carries
# a release entry for this version.
set(metainfo "${root}/share/metainfo/${APP_ID}.metainfo.xml")
if(EXISTS "${metainfo}")
  file(READ "${metainfo}" xml)
  if(NOT xml MATCHES "<id>([^<]*)</id>" OR NOT CMAKE_MATCH_1 STREQUAL APP_ID)
    fail("metainfo id is not ${APP_ID}")
  endif()
  set(launchable "")
  if(xml MATCHES "<launchable type=\"desktop-id\">([^<]*)</launchable>")
    set(launchable "${CMAKE_MATCH_1}")
  endif()
  if(launchable STREQUAL "" OR NOT EXISTS "${root}/share/applications/${launchable}")
    fail("metainfo launchable '${launchable}' is not the installed desktop entry")
  endif()
  set(binary "")
  if(xml MATCHES "<binary>([^<]*)</binary>")
    set(binary "${CMAKE_MATCH_1}")
  endif()
  if(binary STREQUAL "" OR NOT EXISTS "${root}/games/${binary}")
    fail("metainfo provided binary '${binary}' is not installed")
  endif()
  string(REPLACE "." "\\." version_re "${VERSION}")
  if(NOT xml MATCHES "<release version=\"${version_re}\" date=\"[0-9]+-[0-9]+-[0-9]+\"")
    fail("metainfo has no dated release ${VERSION}")
  endif()
endif()

set(copyright "${root}/share/doc/tazkova/copyright")
if(EXISTS "${copyright}")
  file(STRINGS "${copyright}" first LIMIT_COUNT 1)
  if(NOT first MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/")
    fail("${copyright} is not in the machine-readable format")
  endif()
endif()

# AppStream's own check of the installed tree: metainfo, desktop entry and icon together.
find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net --no-color "${STAGE}"
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    fail("appstreamcli validate-tree failed (${rc}):\n${out}")
  endif()
else()
  message(WARNING "appstreamcli is missing (package appstream): installed tree not validated")
endif()

# The change log is gzip data whose newest entry is this version.
set(changelog "${root}/share/doc/tazkova/changelog.gz")
if(EXISTS "${changelog}")
  file(READ "${changelog}" magic LIMIT 2 HEX)
  find_program(GZIP gzip)
  if(NOT magic STREQUAL "1f8b" OR NOT GZIP)
    fail("${changelog} is not gzip data")
  else()
    execute_process(COMMAND ${GZIP} -dc "${changelog}" RESULT_VARIABLE rc OUTPUT_VARIABLE log)
    string(REPLACE "." "\\." version_re "${VERSION}")
    if(NOT rc EQUAL 0 OR NOT log MATCHES "^tazkova \\(${version_re}\\) ")
      fail("the change log's newest entry is not tazkova (${VERSION})")
    endif()
  endif()
endif()

# The installed window program starts and keeps running (no display needed, no settings
# written to the user's home); it is stopped after a few seconds.
if(EXISTS "${root}/games/tazkova")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "HOME=${STAGE}/home"
            "XDG_CONFIG_HOME=${STAGE}/home/.config" "${root}/games/tazkova"
    TIMEOUT 3 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc MATCHES "timeout")
    fail("installed tazkova ended on its own (${rc}) instead of showing its window:\n${out}")
  endif()
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "The installed tree under ${STAGE} is wrong:\n${failures}")
endif()
list(LENGTH installed count)
message(STATUS "${count} files installed under ${root}, all as expected")
