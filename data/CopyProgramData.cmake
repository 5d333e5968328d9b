if(EXISTS ${SRC}/Sections.ini)
  file(COPY ${SRC}/Sections.ini DESTINATION ${DST})
endif()
