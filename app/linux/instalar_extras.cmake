# Install-time steps that plain install() rules cannot express: the relative link that puts
# the program on the path, and a stripped program and module rid of their .comment sections too. Runs
# inside cmake_install.cmake, so CMAKE_INSTALL_PREFIX and DESTDIR are those of this install
# (cmake --install --prefix and CPack work). The manifest gets the path without DESTDIR, as
# file(INSTALL) records it. VELUNDA_PROGDIR, VELUNDA_BINDIR, VELUNDA_OBJCOPY and
# velunda_ruta_completa come from the install(CODE) just before.

velunda_ruta_completa("${VELUNDA_PROGDIR}" progdir)
velunda_ruta_completa("${VELUNDA_BINDIR}" bindir)

# A relative link keeps the install relocatable; the program resolves it through
# /proc/self/exe, so it still finds its own folder and, from there, Data/.
file(RELATIVE_PATH destino "${bindir}" "${progdir}/velunda")
set(enlace "$ENV{DESTDIR}${bindir}/velunda")
message(STATUS "Installing: ${enlace} -> ${destino}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${bindir}")
file(CREATE_LINK "${destino}" "${enlace}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${bindir}/velunda")

# CMake strips with plain `strip`, which keeps the compiler's name in .comment; Debian's own
# packaging removes it as well.
if(CMAKE_INSTALL_DO_STRIP AND VELUNDA_OBJCOPY)
  foreach(archivo velunda velunda_progreso.so velunda_sonido.so)
    execute_process(COMMAND "${VELUNDA_OBJCOPY}" --remove-section=.comment
                            "$ENV{DESTDIR}${progdir}/${archivo}" COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
endif()
