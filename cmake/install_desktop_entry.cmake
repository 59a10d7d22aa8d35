# Included by `cmake --install`: writes a program's desktop entry,
# <prefix>/share/applications/<id>.desktop, for the prefix this install uses.
#   id       the entry's file name
#   name     the entry's Name
#   program  the program's path under the prefix
#   icon     the name of the program's window icon ("" for none)
#   staged   the folder the entry is written to before it is installed
function(suite_install_desktop_entry id name program icon staged)
  set(exec "${CMAKE_INSTALL_PREFIX}/${program}")
  # A path with a character the Exec key reserves goes in double quotes,
  # inside which ", `, $ and \ are escaped; the entry's own escapes then
  # double every backslash, and % is doubled as it starts a field code.
  if(exec MATCHES "[ \t\n\"'\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
  endif()
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "%" "%%" exec "${exec}")
  set(entry "[Desktop Entry]\nType=Application\nName=${name}\nExec=${exec}\n")
  if(icon)
    string(APPEND entry "Icon=${icon}\n")
  endif()
  string(APPEND entry "Categories=Education;Math;\nTerminal=false\n")
  file(WRITE "${staged}/${id}.desktop" "${entry}")
  file(INSTALL "${staged}/${id}.desktop" DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")
endfunction()
