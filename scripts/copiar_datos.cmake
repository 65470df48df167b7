# Copies the game's Data folder beside the program. The high-score file is copied only when
# none is there yet, so rebuilding never wipes the scores of a played build.
file(GLOB archivos RELATIVE ${ORIGEN} ${ORIGEN}/*)
file(MAKE_DIRECTORY ${DESTINO})
foreach(a IN LISTS archivos)
  if(a STREQUAL "HOF.rec" AND EXISTS ${DESTINO}/HOF.rec)
    continue()
  endif()
  file(COPY_FILE ${ORIGEN}/${a} ${DESTINO}/${a} ONLY_IF_DIFFERENT)
endforeach()
