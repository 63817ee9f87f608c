# Run by CTest (see CMakeLists.txt here): installs the build into STAGING_DIR
# with DESTDIR, as a package build would, then validates the installed
# desktop entry and AppStream metainfo.
file(REMOVE_RECURSE ${STAGING_DIR})
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGING_DIR} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
  OUTPUT_QUIET
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(desktop_file ${STAGING_DIR}/usr/share/applications/${APP_ID}.desktop)
set(metainfo_file ${STAGING_DIR}/usr/share/metainfo/${APP_ID}.metainfo.xml)
foreach(installed ${STAGING_DIR}/usr/bin/kestrelwood-checkbook ${desktop_file} ${metainfo_file}
    ${STAGING_DIR}/usr/share/icons/hicolor/16x16/apps/${APP_ID}.png
    ${STAGING_DIR}/usr/share/icons/hicolor/256x256/apps/${APP_ID}.png)
  if(NOT EXISTS ${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

set(missing)
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_file} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "desktop-file-validate rejects ${desktop_file}")
  endif()
else()
  list(APPEND missing desktop-file-validate)
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo_file} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects ${metainfo_file}")
  endif()
  # The installed tree as a whole: the metainfo's launchable must name the
  # installed desktop entry.
  execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${STAGING_DIR}/usr RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the installed tree ${STAGING_DIR}/usr")
  endif()
else()
  list(APPEND missing appstreamcli)
endif()

# Marks the test skipped (SKIP_REGULAR_EXPRESSION) rather than passed when a
# validator could not run.
if(missing)
  message("SKIPPED: not found: ${missing} (scripts/install-deps.sh installs them)")
endif()
