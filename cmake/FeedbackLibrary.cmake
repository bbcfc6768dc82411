# Which of our libraries each library may link. Dependencies point one way:
#   app -> feedback -> {capture, delivery, net, widgets} -> {mail, platform}
# mail and platform link nothing of ours. A library that links one of ours not
# listed here stops the configure step, so a wrong turn is caught before it
# compiles.
set(FEEDBACK_MAY_LINK_Feedback::Platform "")
set(FEEDBACK_MAY_LINK_Feedback::Mail "")
set(FEEDBACK_MAY_LINK_Feedback::Widgets "")
set(FEEDBACK_MAY_LINK_Feedback::Net Feedback::Platform)
set(FEEDBACK_MAY_LINK_Feedback::Capture Feedback::Widgets Feedback::Platform)
set(FEEDBACK_MAY_LINK_Feedback::Delivery Feedback::Mail Feedback::Platform Feedback::Net)
set(FEEDBACK_MAY_LINK_Feedback::Window Feedback::Capture Feedback::Delivery Feedback::Net
    Feedback::Widgets Feedback::Mail Feedback::Platform)
set(FEEDBACK_MAY_LINK_Feedback::Entry Feedback::Window Feedback::Widgets Feedback::Platform)

# feedback_library(<target> <alias> LIBS <libraries...>)
# One static library per folder, made of every source file in that folder
# (app/main.cpp is the program and stays out). The folder is the library's
# include directory, so a library reaches only the headers of what it links.
function(feedback_library target alias)
    cmake_parse_arguments(LIB "" "" "LIBS" ${ARGN})
    if(NOT DEFINED FEEDBACK_MAY_LINK_${alias})
        message(FATAL_ERROR "${alias}: not in the dependency table of cmake/FeedbackLibrary.cmake")
    endif()
    foreach(lib IN LISTS LIB_LIBS)
        if(lib MATCHES "^Feedback::" AND NOT lib IN_LIST FEEDBACK_MAY_LINK_${alias})
            message(FATAL_ERROR "${alias} may not link ${lib}: dependencies point one way "
                                "(see cmake/FeedbackLibrary.cmake)")
        endif()
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
    add_library(${target} STATIC ${sources})
    add_library(${alias} ALIAS ${target})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${LIB_LIBS})
    # Forms are built by hand; there are no .ui files to compile.
    set_target_properties(${target} PROPERTIES AUTOUIC OFF)
endfunction()
