# cmake -DLUPDATE=<lupdate> -DLIST=<file of sources> -DDIR=<folder of the .ts files>
#       -DWORK=<scratch folder> [-DSTAMP=<file>] -P CheckTranslations.cmake
#
# Extracts the texts of the sources into a copy of every translation and fails, naming them,
# when a text has no translation in one of them: a new text needs its English before it builds.
# The copies are left in WORK; `update_translations` writes the same into the repository.
file(GLOB ts_files ${DIR}/*.ts)
file(MAKE_DIRECTORY ${WORK})
set(missing "")
foreach(ts ${ts_files})
  get_filename_component(name ${ts} NAME)
  file(COPY_FILE ${ts} ${WORK}/${name})
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete @${LIST} -ts ${WORK}/${name}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${out}")
  endif()
  file(READ ${WORK}/${name} text)
  # Each message is <source>...</source> followed by its <translation>. CMake's lists split at
  # semicolons, which every "&amp;" holds: they are set apart while the entries are listed.
  string(ASCII 31 sep)
  string(REPLACE ";" "${sep}" scan "${text}")
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<comment>[^<]*</comment>[^<]*)?<translation type=\"unfinished\""
         unfinished "${scan}")
  foreach(entry ${unfinished})
    string(REGEX REPLACE "<source>([^<]*)</source>.*" "\\1" source "${entry}")
    string(REPLACE "${sep}" ";" source "${source}")
    string(REPLACE "&amp;" "&" source "${source}")
    string(APPEND missing "  ${name}: ${source}\n")
  endforeach()
  file(READ ${ts} before)
  if(NOT before STREQUAL text)
    message(STATUS "${name} is not up to date with the sources: `cmake --build <build> --target update_translations` brings it up to date")
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "Texts with no translation (add it with Qt Linguist or in the .ts file):\n${missing}")
endif()
if(STAMP)
  file(TOUCH ${STAMP})
endif()
