# The manual that the build made: a PDF of at least MIN_PAGES pages.
#   cmake -DMANUAL=build/VELTRANIX.PDF -DMIN_PAGES=12 -P check_manual.cmake
if(NOT EXISTS "${MANUAL}")
  message(FATAL_ERROR "the build made no manual ${MANUAL}")
endif()
execute_process(COMMAND pdfinfo "${MANUAL}" RESULT_VARIABLE status OUTPUT_VARIABLE info
                ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pdfinfo cannot read ${MANUAL}: ${errors}")
endif()
string(REGEX MATCH "Pages: +([0-9]+)" found "${info}")
set(pages "${CMAKE_MATCH_1}")
if(NOT found OR pages LESS MIN_PAGES)
  message(FATAL_ERROR "${MANUAL} has ${pages} pages, fewer than ${MIN_PAGES}:\n${info}")
endif()
message(STATUS "${MANUAL}: ${pages} pages")
