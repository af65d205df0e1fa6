# The program's version history, written once (src/help/historique.txt, one line a
# version, oldest first: "V1.0.5  le 09/07/07 Ajout gestion des locators"), read at
# configure time into what shows it:
#   ZEL_HISTORY_CXX       the lines as C++ string literals (Aide › Historique);
#   ZEL_CHANGELOG         the Debian changelog, newest first;
#   ZEL_METAINFO_RELEASES the AppStream <release> elements, newest first;
#   ZEL_RELEASE_DATE      the newest version's date, 2008-11-30 (the manual page).
# Stops the configuration when the newest version is not the project's own.

# The one who signs the changelog entries and the package.
set(ZEL_PACKAGE_MAINTAINER "KVR_ZEL <kvr-zel@example.org>"
    CACHE STRING "Maintainer written into the Debian package")

set(ZEL_HISTORY_FILE ${PROJECT_SOURCE_DIR}/src/help/historique.txt)
set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZEL_HISTORY_FILE})
file(STRINGS ${ZEL_HISTORY_FILE} zel_history_lines ENCODING UTF-8)

# "Sun", "Mon"... of a date (0 = Sunday), for the changelog's RFC 5322 dates.
function(zel_weekday out y m d)
  set(offsets 0 3 2 5 0 3 5 1 4 6 2 4)
  math(EXPR i "${m} - 1")
  list(GET offsets ${i} t)
  if(m LESS 3)
    math(EXPR y "${y} - 1")
  endif()
  math(EXPR w "(${y} + ${y} / 4 - ${y} / 100 + ${y} / 400 + ${t} + ${d}) % 7")
  set(names Sun Mon Tue Wed Thu Fri Sat)
  list(GET names ${w} name)
  set(${out} ${name} PARENT_SCOPE)
endfunction()

set(zel_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(ZEL_HISTORY_CXX "")
set(ZEL_CHANGELOG "")
set(ZEL_METAINFO_RELEASES "")
set(zel_newest "")
foreach(line IN LISTS zel_history_lines)
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^V([0-9]+\\.[0-9]+\\.[0-9]+) +le ([0-9][0-9])/([0-9][0-9])/([0-9][0-9]|[0-9][0-9][0-9][0-9]) +(.+)$")
    message(FATAL_ERROR "${ZEL_HISTORY_FILE}: not a version line: '${line}'")
  endif()
  set(version ${CMAKE_MATCH_1})
  set(day ${CMAKE_MATCH_2})
  set(month ${CMAKE_MATCH_3})
  set(year ${CMAKE_MATCH_4})
  set(text "${CMAKE_MATCH_5}")
  # Two-digit years as the log reads them: 50-99 are 19xx, 00-49 20xx.
  string(LENGTH "${year}" digits)
  if(digits EQUAL 2)
    if(year LESS 50)
      set(year "20${year}")
    else()
      set(year "19${year}")
    endif()
  endif()
  math(EXPR d "${day}")
  math(EXPR m "${month}")
  if(m LESS 1 OR m GREATER 12 OR d LESS 1 OR d GREATER 31)
    message(FATAL_ERROR "${ZEL_HISTORY_FILE}: no such date in '${line}'")
  endif()

  string(REPLACE "\\" "\\\\" cxx "${line}")
  string(REPLACE "\"" "\\\"" cxx "${cxx}")
  string(APPEND ZEL_HISTORY_CXX "        \"${cxx}\",\n")

  zel_weekday(weekday ${year} ${m} ${d})
  math(EXPR mi "${m} - 1")
  list(GET zel_months ${mi} mname)
  set(entry "kvr-zel (${version}) unstable; urgency=medium\n\n  * ${text}\n\n")
  string(APPEND entry " -- ${ZEL_PACKAGE_MAINTAINER}  ${weekday}, ${day} ${mname} ${year} 12:00:00 +0000\n")
  if(ZEL_CHANGELOG STREQUAL "")
    set(ZEL_CHANGELOG "${entry}")
  else()
    set(ZEL_CHANGELOG "${entry}\n${ZEL_CHANGELOG}")
  endif()

  foreach(c "&;&amp;" "<;&lt;" ">;&gt;")
    list(GET c 0 from)
    list(GET c 1 to)
    string(REPLACE "${from}" "${to}" text "${text}")
  endforeach()
  set(ZEL_METAINFO_RELEASES
      "    <release version=\"${version}\" date=\"${year}-${month}-${day}\">\n      <description>\n        <p>${text}</p>\n      </description>\n    </release>\n${ZEL_METAINFO_RELEASES}")
  set(zel_newest ${version})
  set(ZEL_RELEASE_DATE "${year}-${month}-${day}")
endforeach()

if(NOT zel_newest STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "${ZEL_HISTORY_FILE} ends with version '${zel_newest}', the project is ${PROJECT_VERSION}: "
                      "add the new version's line to the history")
endif()
string(REGEX REPLACE "\n+$" "" ZEL_METAINFO_RELEASES "${ZEL_METAINFO_RELEASES}")
