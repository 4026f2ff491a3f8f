# Copies the manual into the build tree as the Qt help generator and the PDF
# printer read it: pages, help project files, and the pictures of docs/ in an
# images/ folder beside the pages (the pages in the repository point one
# folder up, where the pictures live).
#   cmake -DSOURCE=docs -DSTAGE=build/docs/manual -P stage-manual.cmake
file(MAKE_DIRECTORY ${STAGE}/images)
file(GLOB pages ${SOURCE}/manual/*.html)
foreach(page ${pages})
  get_filename_component(name ${page} NAME)
  file(READ ${page} text)
  string(REPLACE "src=\"../" "src=\"images/" text "${text}")
  file(WRITE ${STAGE}/${name}.tmp "${text}")
  file(COPY_FILE ${STAGE}/${name}.tmp ${STAGE}/${name} ONLY_IF_DIFFERENT)
  file(REMOVE ${STAGE}/${name}.tmp)
endforeach()
file(GLOB pictures ${SOURCE}/*.png)
file(COPY ${pictures} DESTINATION ${STAGE}/images)
file(COPY ${SOURCE}/manual/castovin.qhp ${SOURCE}/manual/castovin.qhcp ${SOURCE}/manual/help-contexts.tsv
     DESTINATION ${STAGE})
