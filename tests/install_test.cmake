# Installs into a fresh prefix, as a teacher would, and checks each program:
# it lies in its place, stripped (the build tree's copy keeps its symbols),
# its desktop entry names it and starts the installed file, its window icon
# is installed with it, and it starts from the install, headless, and keeps
# running with its first window shown. The suite menu finds its sounds in
# sound/ and the tutor it starts in zorurav/ beside itself.
# Set: BUILD_DIR, SUITE_BUILD_DIR, PREFIX, LAYOUT, SOURCE_DIR, READELF.
cmake_minimum_required(VERSION 3.25)
set(programs
  # program          desktop entry's Name         window icon in assets/icons/
  Halvery            Halvery                      halvery.png
  zorurav/Corvane    Corvane                      menu.png
  Tolbrin            Tolbrin                      calligraphy.png
  Mirrane            Mirrane                      -
  Quillet            Quillet                      -
  Daskin             "Daskin - قواسم العدد"       -
)

set(faults "")
macro(fault text)
  string(APPEND faults "\n  ${text}")
endmacro()
# The desktop entry read into `text` has the line.
macro(expect_line line)
  string(FIND "\n${text}" "\n${line}\n" at)
  if(at EQUAL -1)
    fault("${program}: no line ${line} in the desktop entry")
  endif()
endmacro()

find_program(validate desktop-file-validate)
if(NOT validate)
  message(FATAL_ERROR "desktop-file-validate is missing (scripts/setup.sh installs desktop-file-utils)")
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE error)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}): ${error}")
endif()
set(folder "${PREFIX}/${LAYOUT}")
# The session's folder a desktop gives its programs.
set(runtime "${PREFIX}/runtime")
file(MAKE_DIRECTORY "${runtime}")
file(CHMOD "${runtime}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# The section names of an ELF file; <out>_error says why there are none.
function(sections file out)
  set(${out}_error "" PARENT_SCOPE)
  execute_process(COMMAND "${READELF}" -S -W "${file}" RESULT_VARIABLE rc OUTPUT_VARIABLE text ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    set(${out} "" PARENT_SCOPE)
    set(${out}_error "not an ELF file: ${err}" PARENT_SCOPE)
    return()
  endif()
  string(REGEX MATCHALL "\\[ *[0-9]+\\] [^ ]+" names "${text}")
  list(TRANSFORM names REPLACE "^\\[ *[0-9]+\\] " "")
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# The program path an Exec value starts: the entry's escapes undone, then
# the quotes and the escapes inside them.
function(exec_path value out)
  string(REPLACE "\\\\" "\\" value "${value}")
  string(REPLACE "%%" "%" value "${value}")
  if(value MATCHES "^\"(.*)\"$")
    string(REGEX REPLACE "\\\\([\"`$\\])" "\\1" value "${CMAKE_MATCH_1}")
  elseif(value MATCHES "[ \t\"'\\><~|&;$*?#()`]")
    set(value "unquoted: ${value}")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

while(programs)
  list(POP_FRONT programs program name icon)
  get_filename_component(base "${program}" NAME)
  set(file "${folder}/${program}")
  if(NOT EXISTS "${file}")
    fault("${program}: missing after install: ${file}")
    continue()
  endif()
  sections("${file}" installed)
  sections("${SUITE_BUILD_DIR}/${program}" built)
  set(symbols ${installed})
  list(FILTER symbols INCLUDE REGEX "^[.](symtab|debug_.*)$")
  if(NOT ".text" IN_LIST installed OR symbols)
    fault("${program}: installed unstripped (${symbols}${installed_error})")
  endif()
  if(NOT ".symtab" IN_LIST built)
    fault("${program}: the build tree's copy lost its symbols")
  endif()

  string(TOLOWER "arithmetic-suite-${base}" id)
  set(entry "${PREFIX}/share/applications/${id}.desktop")
  if(NOT EXISTS "${entry}")
    fault("${program}: no desktop entry ${entry}")
  else()
    execute_process(COMMAND "${validate}" "${entry}" RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT rc EQUAL 0 OR NOT said STREQUAL "")
      fault("${program}: desktop-file-validate: ${said}")
    endif()
    file(READ "${entry}" text)
    foreach(line "[Desktop Entry]" "Type=Application" "Name=${name}" "Terminal=false")
      expect_line("${line}")
    endforeach()
    expect_line("Categories=Education;Math;")
    string(REGEX MATCH "\nExec=([^\n]*)" found "\n${text}")
    exec_path("${CMAKE_MATCH_1}" exec)
    if(NOT exec STREQUAL file)
      fault("${program}: the desktop entry starts ${exec}, not ${file}")
    endif()
    string(REGEX MATCH "\nIcon=([^\n]*)" found "\n${text}")
    set(named "${CMAKE_MATCH_1}")
    if(icon STREQUAL "-")
      if(found)
        fault("${program}: the desktop entry names an icon (${named}), but the program has none")
      endif()
    else()
      file(READ "${SOURCE_DIR}/assets/icons/${icon}" size OFFSET 16 LIMIT 8 HEX)
      string(SUBSTRING "${size}" 0 8 width)
      string(SUBSTRING "${size}" 8 8 height)
      math(EXPR width "0x${width}")
      math(EXPR height "0x${height}")
      set(place "${PREFIX}/share/icons/hicolor/${width}x${height}/apps/${named}.png")
      file(GLOB icons "${PREFIX}/share/icons/hicolor/*/apps/${named}.png")
      if(NOT found OR NOT icons STREQUAL place)
        fault("${program}: its icon ${icon} is not installed as the desktop entry's Icon (found: ${icons})")
      else()
        file(SHA256 "${place}" installed_icon)
        file(SHA256 "${SOURCE_DIR}/assets/icons/${icon}" source_icon)
        if(NOT installed_icon STREQUAL source_icon)
          fault("${program}: ${place} differs from assets/icons/${icon}")
        endif()
      endif()
    endif()
  endif()

  # Started from its folder, it shows its first window and waits for the
  # pupil: still running when timeout ends it. The offscreen platform notes
  # what it cannot do (raise, masks); nothing else may be said.
  get_filename_component(dir "${file}" DIRECTORY)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "XDG_RUNTIME_DIR=${runtime}" timeout 2 "${file}"
                  WORKING_DIRECTORY "${dir}"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REGEX REPLACE "This plugin does not support [^\n]*\n?" "" err "${err}")
  if(NOT rc EQUAL 124)
    fault("${program}: started from the install, it ended with ${rc}: ${out}${err}")
  elseif(NOT err STREQUAL "")
    fault("${program}: started from the install, it said: ${err}")
  endif()
endwhile()

foreach(sound yes no)
  set(file "${folder}/sound/${sound}.wav")
  if(NOT EXISTS "${file}")
    fault("Halvery: missing after install: ${file}")
    continue()
  endif()
  file(SHA256 "${file}" installed)
  file(SHA256 "${SOURCE_DIR}/assets/sound/${sound}.wav" source)
  if(NOT installed STREQUAL source)
    fault("Halvery: sound/${sound}.wav differs from the one in assets/")
  endif()
endforeach()

if(NOT faults STREQUAL "")
  message(FATAL_ERROR "after cmake --install --prefix ${PREFIX}:${faults}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
