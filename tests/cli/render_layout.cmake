# Makes a layout of the sample photographs with "tessaline-cli layout",
# renders it to a PDF and to PNG pages, and checks what poppler reads.
#   -DCLI=... -DSAMPLES=... -DWORK=...

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB photos ${SAMPLES}/*.jpg)
list(SORT photos)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${ARGN}: exit status ${result}\n${out}${err}")
  endif()
  set(output "${out}" PARENT_SCOPE)
endfunction()

run(${CLI} layout -o ${WORK}/samples.qlf ${photos})
run(${CLI} render ${WORK}/samples.qlf -o ${WORK}/samples.pdf)
run(pdfinfo ${WORK}/samples.pdf)
if(NOT output MATCHES "Pages: +[1-9]" OR NOT output MATCHES "Page size: +595 x 842 pts")
  message(FATAL_ERROR "unexpected PDF:\n${output}")
endif()
run(pdfimages -list ${WORK}/samples.pdf)
list(LENGTH photos count)
string(REGEX MATCHALL "\n +[0-9]+ +[0-9]+ +image " images "${output}")
list(LENGTH images drawn)
if(NOT drawn EQUAL count)
  message(FATAL_ERROR "${count} photographs, ${drawn} images in the PDF:\n${output}")
endif()

run(${CLI} render ${WORK}/samples.qlf --png ${WORK}/page --zoom 50)
if(NOT EXISTS ${WORK}/page-1.png)
  message(FATAL_ERROR "no page-1.png")
endif()
