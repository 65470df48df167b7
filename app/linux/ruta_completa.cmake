# velunda_ruta_completa(<dir> <out>): an install folder as a full path, joined to
# CMAKE_INSTALL_PREFIX unless it is absolute already. Shared by the configure step and the
# install-time script, which each see their own prefix.
function(velunda_ruta_completa dir salida)
  if(IS_ABSOLUTE "${dir}")
    set(${salida} "${dir}" PARENT_SCOPE)
  else()
    set(${salida} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()
