# Run at install time: installs the menu entry with the executable's installed path.
# In: CMAKE_INSTALL_PREFIX (as given to this install), ZEL_BINDIR, ZEL_APPSDIR,
# ZEL_DESKTOP_IN, ZEL_DESKTOP_NAME (the application's id .desktop), ZEL_STAGING.
foreach(var ZEL_BINDIR ZEL_APPSDIR)
  if(IS_ABSOLUTE "${${var}}")
    set(${var}_FULL "${${var}}")
  else()
    set(${var}_FULL "${CMAKE_INSTALL_PREFIX}/${${var}}")
  endif()
endforeach()
set(exe "${ZEL_BINDIR_FULL}/kvr_zel")
if(exe MATCHES "[\"`$%\\\n]")
  # These would need escaping at two levels of the desktop-entry syntax; PATH will do.
  message(WARNING "${ZEL_DESKTOP_NAME}: '${exe}' cannot stand in an Exec line; using kvr_zel from PATH")
  set(ZEL_EXEC kvr_zel)
elseif(exe MATCHES "[^A-Za-z0-9/._+-]")
  set(ZEL_EXEC "\"${exe}\"")
else()
  set(ZEL_EXEC "${exe}")
endif()
# One staging file per destination, so that two installs to different prefixes
# (an install and a package build, say) never hand each other their entry.
string(MD5 key "$ENV{DESTDIR}|${CMAKE_INSTALL_PREFIX}")
set(staged "${ZEL_STAGING}/${key}/${ZEL_DESKTOP_NAME}")
configure_file("${ZEL_DESKTOP_IN}" "${staged}" @ONLY)
file(INSTALL DESTINATION "${ZEL_APPSDIR_FULL}" TYPE FILE FILES "${staged}")
