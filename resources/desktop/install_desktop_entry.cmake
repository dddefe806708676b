# Runs at install time: writes the desktop entry with the installed
# program's full path (so that menus start it whether or not its bin/ is on
# PATH), then, for an install straight into a prefix (not a staged DESTDIR
# install, whose package manager does this), refreshes the desktop's MIME
# and application databases so that file managers know ".qlf" at once.
#   TL_DESKTOP_SOURCE  the folder of tessaline.desktop.in
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(TL_BINDIR "${CMAKE_INSTALL_PREFIX}/bin")
configure_file("${TL_DESKTOP_SOURCE}/tessaline.desktop.in" "${prefix}/share/applications/tessaline.desktop" @ONLY)
message(STATUS "Installing: ${prefix}/share/applications/tessaline.desktop")

if("$ENV{DESTDIR}" STREQUAL "")
  find_program(TL_UPDATE_MIME update-mime-database)
  find_program(TL_UPDATE_DESKTOP update-desktop-database)
  if(TL_UPDATE_MIME)
    execute_process(COMMAND "${TL_UPDATE_MIME}" "${prefix}/share/mime" RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
      message(WARNING "update-mime-database ${prefix}/share/mime failed")
    endif()
  endif()
  if(TL_UPDATE_DESKTOP)
    execute_process(COMMAND "${TL_UPDATE_DESKTOP}" "${prefix}/share/applications" RESULT_VARIABLE status OUTPUT_QUIET)
    if(NOT status EQUAL 0)
      message(WARNING "update-desktop-database ${prefix}/share/applications failed")
    endif()
  endif()
endif()
