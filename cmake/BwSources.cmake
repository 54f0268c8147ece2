# Helpers that collect sources by folder convention, so adding a file to a subsystem
# needs no edit of any CMakeLists.txt:
#   src/<subsystem>/*.cpp             logic      -> bwcore
#   src/<subsystem>/ui/*.cpp          windows    -> bwui
#   src/print/qt/*.cpp                Qt adapters of the printing layer -> bwui
#   src/widgets/*.cpp                 window patterns shared by many windows -> bwui
#   src/app/*.cpp                     main window, dialogs, utility windows -> bwui
set(BW_SUBSYSTEMS data print setup entries numbering catalogue reports judges mail transfer sample)

function(bw_collect_logic out)
  set(files)
  foreach(sub IN LISTS BW_SUBSYSTEMS)
    file(GLOB f CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/*.cpp)
    list(APPEND files ${f})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

function(bw_collect_ui out)
  set(files)
  foreach(sub IN LISTS BW_SUBSYSTEMS)
    file(GLOB f CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.cpp
                                  ${PROJECT_SOURCE_DIR}/src/${sub}/ui/*.h)
    list(APPEND files ${f})
  endforeach()
  file(GLOB f CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/print/qt/*.cpp
                                ${PROJECT_SOURCE_DIR}/src/print/qt/*.h
                                ${PROJECT_SOURCE_DIR}/src/widgets/*.cpp
                                ${PROJECT_SOURCE_DIR}/src/widgets/*.h
                                ${PROJECT_SOURCE_DIR}/src/app/*.cpp
                                ${PROJECT_SOURCE_DIR}/src/app/*.h)
  list(FILTER f EXCLUDE REGEX "/src/app/main\\.cpp$")
  list(APPEND files ${f})
  set(${out} ${files} PARENT_SCOPE)
endfunction()
