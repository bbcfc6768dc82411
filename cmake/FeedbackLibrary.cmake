# feedback_library(<target> <alias> LIBS <libraries...>)
# One static library per folder, made of every source file in that folder
# (app/main.cpp is the program and stays out).
function(feedback_library target alias)
    cmake_parse_arguments(LIB "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
    add_library(${target} STATIC ${sources})
    add_library(${alias} ALIAS ${target})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${LIB_LIBS})
    # Forms are built by hand; there are no .ui files to compile.
    set_target_properties(${target} PROPERTIES AUTOUIC OFF)
endfunction()
