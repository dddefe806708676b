# Makes and renders a layout with ${CLI} in an environment that has no
# XDG_RUNTIME_DIR and no display, and fails on anything on standard error.

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})
set(clean ${CMAKE_COMMAND} -E env --unset=XDG_RUNTIME_DIR --unset=DISPLAY --unset=QT_QPA_PLATFORM HOME=${OUT})
foreach(step "layout;-o;${OUT}/sheet.qlf;${SAMPLES}/harbour_landscape.jpg" "render;${OUT}/sheet.qlf;-o;${OUT}/sheet.pdf")
  execute_process(COMMAND ${clean} ${CLI} ${step} RESULT_VARIABLE result ERROR_VARIABLE err OUTPUT_QUIET)
  if(NOT result EQUAL 0 OR NOT err STREQUAL "")
    message(FATAL_ERROR "tessaline-cli ${step}: exit status ${result}, standard error:\n${err}")
  endif()
endforeach()
