# The documents installed with the game, made at configure time from the one version, date
# and release notes of the top-level CMakeLists.txt: the AppStream metainfo with its
# <release>, the manual page velunda.6, the Debian changelog, and the copyright file in the
# Debian format built from LICENSE. Manual page and changelog are compressed as Debian wants
# them (gzip -9n: no name or time stamp inside, so the same sources give the same bytes).

string(REGEX REPLACE "^www\\." "" velunda_dominio "${VELUNDA_WEB_HOST}")
set(VELUNDA_MANTENEDOR "Quorlan <games@${velunda_dominio}>" CACHE STRING
    "Maintainer of the Debian package: name <address>")
set(VELUNDA_WEB_JUEGO "https://${VELUNDA_WEB_HOST}/Games/Velunda/")

find_program(VELUNDA_GZIP gzip REQUIRED)
find_program(VELUNDA_DATE date REQUIRED)

# velunda_comprimir(<file>): writes <file>.gz beside it.
function(velunda_comprimir archivo)
  execute_process(COMMAND ${VELUNDA_GZIP} -9nc ${archivo} OUTPUT_FILE ${archivo}.gz
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "gzip ${archivo}: ${rc}")
  endif()
endfunction()

# velunda_envolver(<text> <out>): the text as a changelog item, "  * " then lines of at most
# 80 columns continued with four spaces, as Debian's changelog wants.
function(velunda_envolver texto salida)
  string(REPLACE " " ";" palabras "${texto}")
  set(resultado "")
  set(linea "  *")
  foreach(p IN LISTS palabras)
    string(LENGTH "${linea} ${p}" largo)
    if(largo GREATER 80 AND NOT linea MATCHES "^ *\\*?$")  # a word longer than a line stays whole
      string(APPEND resultado "${linea}\n")
      set(linea "   ")
    endif()
    string(APPEND linea " ${p}")
  endforeach()
  set(${salida} "${resultado}${linea}\n" PARENT_SCOPE)
endfunction()

# The notes as each document writes a list.
set(VELUNDA_NOTAS_XML "")
set(VELUNDA_NOTAS_MAN "")
set(VELUNDA_NOTAS_CHANGELOG "")
foreach(nota IN LISTS VELUNDA_NOTAS_VERSION)
  string(REPLACE "&" "&amp;" xml "${nota}")
  string(REPLACE "<" "&lt;" xml "${xml}")
  string(REPLACE ">" "&gt;" xml "${xml}")
  string(APPEND VELUNDA_NOTAS_XML "          <li>${xml}</li>\n")
  string(REPLACE "\\" "\\e" man "${nota}")
  string(APPEND VELUNDA_NOTAS_MAN ".IP \\(bu 2\n${man}\n")
  velunda_envolver("${nota}" item)
  string(APPEND VELUNDA_NOTAS_CHANGELOG "${item}")
endforeach()

# The metainfo: the host and this release.
configure_file(${VELUNDA_ID}.metainfo.xml.in ${VELUNDA_ID}.metainfo.xml @ONLY)

# The manual page names the folders of this install.
velunda_ruta_completa("${VELUNDA_INSTALL_BINDIR}" VELUNDA_RUTA_LANZADOR)
configure_file(velunda.6.in velunda.6 @ONLY)
velunda_comprimir(${CMAKE_CURRENT_BINARY_DIR}/velunda.6)

# Debian changelog: one entry per release, dated in RFC 5322 form, noon UTC of the release day.
execute_process(COMMAND ${VELUNDA_DATE} -u -R -d "${VELUNDA_FECHA_VERSION} 12:00"
                OUTPUT_VARIABLE fecha OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "VELUNDA_FECHA_VERSION is not a date: ${VELUNDA_FECHA_VERSION}")
endif()
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/changelog
     "velunda (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "${VELUNDA_NOTAS_CHANGELOG}\n"
     " -- ${VELUNDA_MANTENEDOR}  ${fecha}\n")
velunda_comprimir(${CMAKE_CURRENT_BINARY_DIR}/changelog)

# Copyright file: the holder line and the licence text come from LICENSE, the text indented
# one space with "." for its empty lines, as the format asks.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licencia)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${licencia}")
set(VELUNDA_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${licencia}" "Permission is hereby granted" inicio)
string(SUBSTRING "${licencia}" ${inicio} -1 texto)
string(STRIP "${texto}" texto)
string(REGEX REPLACE "\n\n" "\n.\n" texto "${texto}")
string(REGEX REPLACE "\n" "\n " VELUNDA_TEXTO_LICENCIA " ${texto}")
configure_file(copyright.in copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
