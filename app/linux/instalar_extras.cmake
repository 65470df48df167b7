# Install-time steps that plain install() rules cannot express: the relative link that puts
# the program on the path, and the high-score file placed only when none is installed yet.
# Runs inside cmake_install.cmake, so CMAKE_INSTALL_PREFIX and DESTDIR are those of this
# install (cmake --install --prefix works). The manifest gets paths without DESTDIR, as
# file(INSTALL) records them. VELUNDA_PROGDIR, VELUNDA_BINDIR and VELUNDA_HOF_ORIGEN come from
# the install(CODE) just before.

function(velunda_ruta_completa dir salida)
  if(IS_ABSOLUTE "${dir}")
    set(${salida} "${dir}" PARENT_SCOPE)
  else()
    set(${salida} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

velunda_ruta_completa("${VELUNDA_PROGDIR}" progdir)
velunda_ruta_completa("${VELUNDA_BINDIR}" bindir)

set(hof "$ENV{DESTDIR}${progdir}/Data/HOF.rec")
if(EXISTS "${hof}")
  message(STATUS "Keeping (scores already there): ${hof}")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${progdir}/Data/HOF.rec")
else()
  file(INSTALL DESTINATION "${progdir}/Data" TYPE FILE FILES "${VELUNDA_HOF_ORIGEN}")
endif()

# A relative link keeps the install relocatable; the program resolves it through
# /proc/self/exe, so it still finds Data/ beside the real executable.
file(RELATIVE_PATH destino "${bindir}" "${progdir}/velunda")
set(enlace "$ENV{DESTDIR}${bindir}/velunda")
message(STATUS "Installing: ${enlace} -> ${destino}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${bindir}")
file(CREATE_LINK "${destino}" "${enlace}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bindir}/velunda")
