# The walls around the libraries that must stay free of Qt's GUI: they may
# link and include QtCore and QtDBus at most.
#
# A link line keeps a module's library out, but not its headers: Qt6::Core
# alone puts Qt's top include folder on the compile line, and from there
# <QtWidgets/QWidget> is found. So every walled library gets, before Qt's
# folders, a folder that holds for each file of every other installed Qt
# module a header of the same name that stops the compile with #error. The
# Qt headers include each other through that same <QtModule/...> spelling,
# so a GUI header reached by any other spelling stops at its first include.

set(CORVANTA_WALL_ALLOWED_MODULES QtCore QtDBus)
set(CORVANTA_WALL_FOLDER ${CMAKE_BINARY_DIR}/qt_behind_the_wall)

# Qt's top include folder: the one of Qt6::Core's folders that holds QtCore.
function(_corvanta_qt_include_root out)
  get_target_property(folders Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
  foreach(folder IN LISTS folders)
    if(IS_DIRECTORY "${folder}/QtCore")
      set(${out} "${folder}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "Qt's top include folder was not found among: ${folders}")
endfunction()

# Writes the walled headers, anew only when Qt or this file changed.
function(_corvanta_write_wall_folder)
  _corvanta_qt_include_root(root)
  file(GLOB entries LIST_DIRECTORIES true RELATIVE "${root}" "${root}/Qt*")
  set(modules "")
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY "${root}/${entry}" AND NOT entry IN_LIST CORVANTA_WALL_ALLOWED_MODULES)
      list(APPEND modules ${entry})
    endif()
  endforeach()
  list(SORT modules)
  set(stamp "${CORVANTA_WALL_FOLDER}/walled_modules.txt")
  file(MD5 "${CMAKE_CURRENT_FUNCTION_LIST_FILE}" rules)
  set(content "${root} ${Qt6_VERSION} ${modules} ${rules}")
  if(EXISTS "${stamp}")
    file(READ "${stamp}" written)
    if(written STREQUAL content)
      return()
    endif()
  endif()
  file(REMOVE_RECURSE "${CORVANTA_WALL_FOLDER}")
  list(JOIN CORVANTA_WALL_ALLOWED_MODULES " and " allowed)
  foreach(module IN LISTS modules)
    file(GLOB_RECURSE headers RELATIVE "${root}" "${root}/${module}/*")
    foreach(header IN LISTS headers)
      file(WRITE "${CORVANTA_WALL_FOLDER}/${header}"
        "#error \"${module} is behind the wall of this library: of Qt it may use "
        "${allowed} at most\"\n")
    endforeach()
  endforeach()
  file(WRITE "${stamp}" "${content}")
endfunction()
_corvanta_write_wall_folder()

# The targets that `target` links, followed through our own libraries (not
# into imported ones), as written: Qt's modules appear as Qt6::<Module>.
function(_corvanta_linked_targets target out)
  set(found "")
  set(queue ${target})
  set(visited "")
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST visited)
      continue()
    endif()
    list(APPEND visited ${current})
    set(properties INTERFACE_LINK_LIBRARIES)
    if(current STREQUAL target)
      list(APPEND properties LINK_LIBRARIES)
    endif()
    foreach(property IN LISTS properties)
      get_target_property(libraries ${current} ${property})
      foreach(library IN LISTS libraries)
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
        if(NOT TARGET "${library}")
          continue()
        endif()
        list(APPEND found ${library})
        get_target_property(imported ${library} IMPORTED)
        if(NOT imported)
          list(APPEND queue ${library})
        endif()
      endforeach()
    endforeach()
  endwhile()
  list(REMOVE_DUPLICATES found)
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Runs once every target exists: the link closure of `target` holds no Qt
# module but those of `allowed`.
function(_corvanta_check_wall_links target allowed)
  _corvanta_linked_targets(${target} linked)
  foreach(library IN LISTS linked)
    if(library MATCHES "^Qt6::" AND NOT library IN_LIST allowed)
      message(FATAL_ERROR "${target} is walled off from ${library}, which it links.")
    endif()
  endforeach()
endfunction()

# Puts `target` behind the wall: it sees no Qt module but QtCore and QtDBus,
# and links none but the Qt6:: targets given after QT (none when omitted).
#   corvanta_wall(target [QT Qt6::Core ...])
function(corvanta_wall target)
  cmake_parse_arguments(W "" "" "QT" ${ARGN})
  foreach(module IN LISTS W_QT)
    string(REPLACE "Qt6::" "Qt" folder "${module}")
    if(NOT folder IN_LIST CORVANTA_WALL_ALLOWED_MODULES)
      message(FATAL_ERROR "${module} lies outside the wall and cannot be allowed to ${target}.")
    endif()
  endforeach()
  target_include_directories(${target} BEFORE PRIVATE ${CORVANTA_WALL_FOLDER})
  set_property(GLOBAL APPEND PROPERTY CORVANTA_WALLED_TARGETS ${target})
  # A deferred call reads its arguments when it runs, so they are written in
  # now.
  cmake_language(EVAL CODE "cmake_language(DEFER DIRECTORY [[${CMAKE_SOURCE_DIR}]]
    CALL _corvanta_check_wall_links [[${target}]] [[${W_QT}]])")
endfunction()
