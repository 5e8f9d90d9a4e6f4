cmake_minimum_required(VERSION 3.25)
# Fails when a text of the program has no English: gathers the sources' texts (lupdate) into a
# copy of the catalogue and looks for entries left unfinished. LUPDATE, CATALOGUE, SOURCE_DIR
# and WORK come from the test.
file(MAKE_DIRECTORY ${WORK})
file(COPY ${CATALOGUE} DESTINATION ${WORK})
get_filename_component(name ${CATALOGUE} NAME)
file(GLOB_RECURSE sources ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
execute_process(COMMAND ${LUPDATE} -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=TUBELINE_TRANSLATABLE -no-obsolete -locations none
    ${sources} -ts ${WORK}/${name}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${status}")
endif()
file(READ ${WORK}/${name} gathered)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\">" missing
  "${gathered}")
if(missing)
  list(JOIN missing "\n" text)
  message(FATAL_ERROR "texts without English (run the update_translations target and translate "
    "them in translations/${name}):\n${text}")
endif()
