# pdf_text(PDF OUT): the text of a PDF with every run of white space made one
# blank, so that a title broken across lines is still found.
function(pdf_text pdf out)
  if(NOT EXISTS ${pdf})
    message(FATAL_ERROR "${pdf} does not exist")
  endif()
  file(SIZE ${pdf} size)
  if(size EQUAL 0)
    message(FATAL_ERROR "${pdf} is empty")
  endif()
  execute_process(COMMAND ${PDFTOTEXT} -enc UTF-8 ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "pdftotext failed on ${pdf}")
  endif()
  string(REGEX REPLACE "[ \t\r\n\f]+" " " text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# normalise(TEXT OUT): the same white-space rule for an expected text.
function(normalise text out)
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
