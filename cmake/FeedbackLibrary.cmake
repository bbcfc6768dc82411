# Which of our libraries each library, and the program, may link. Dependencies
# point one way:
#   app -> feedback -> {capture, delivery, net, widgets} -> {mail, platform}
# mail and platform link nothing of ours. Linking a library not listed here
# stops the configure step, and so does including a header of one: a library
# reaches the headers of what it links, and through a public link those of
# what that links too, so the links alone would not tell.
set(FEEDBACK_MAY_LINK_Feedback::Platform "")
set(FEEDBACK_MAY_LINK_Feedback::Mail "")
set(FEEDBACK_MAY_LINK_Feedback::Widgets "")
set(FEEDBACK_MAY_LINK_Feedback::Net Feedback::Platform)
set(FEEDBACK_MAY_LINK_Feedback::Capture Feedback::Widgets Feedback::Platform)
set(FEEDBACK_MAY_LINK_Feedback::Delivery Feedback::Mail Feedback::Platform Feedback::Net)
set(FEEDBACK_MAY_LINK_Feedback::Window Feedback::Capture Feedback::Delivery Feedback::Net
    Feedback::Widgets Feedback::Platform)
set(FEEDBACK_MAY_LINK_Feedback::Entry "")
set(FEEDBACK_MAY_LINK_program Feedback::Entry Feedback::Window Feedback::Widgets Feedback::Platform)

function(feedback_check_links name)
    if(NOT DEFINED FEEDBACK_MAY_LINK_${name})
        message(FATAL_ERROR "${name}: not in the dependency table of cmake/FeedbackLibrary.cmake")
    endif()
    foreach(lib IN LISTS ARGN)
        if(lib MATCHES "^Feedback::" AND NOT lib IN_LIST FEEDBACK_MAY_LINK_${name})
            message(FATAL_ERROR "${name} may not link ${lib}: dependencies point one way "
                                "(see cmake/FeedbackLibrary.cmake)")
        endif()
    endforeach()
endfunction()

# Remembered for feedback_check_includes(): who owns which folder, which
# sources it has and what it links.
function(feedback_register name folder sources links)
    set_property(GLOBAL APPEND PROPERTY FEEDBACK_CHECKED ${name})
    set_property(GLOBAL PROPERTY FEEDBACK_FOLDER_${name} ${folder})
    set_property(GLOBAL PROPERTY FEEDBACK_SOURCES_${name} ${sources})
    set_property(GLOBAL PROPERTY FEEDBACK_LINKS_${name} ${links})
endfunction()

# feedback_library(<target> <alias> [PUBLIC <libraries...>] [PRIVATE <libraries...>])
# One static library per folder, made of every source file in that folder
# (app/main.cpp is the program and stays out). The folder is the library's
# include directory. A library goes PUBLIC only when a header of this one
# includes one of it; the rest stays PRIVATE, out of the users' reach.
function(feedback_library target alias)
    cmake_parse_arguments(LIB "" "" "PUBLIC;PRIVATE" ${ARGN})
    feedback_check_links(${alias} ${LIB_PUBLIC} ${LIB_PRIVATE})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER sources EXCLUDE REGEX ".*/main\\.cpp$")
    add_library(${target} STATIC ${sources})
    add_library(${alias} ALIAS ${target})
    target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PUBLIC ${LIB_PUBLIC} PRIVATE ${LIB_PRIVATE})
    # Forms are built by hand; there are no .ui files to compile.
    set_target_properties(${target} PROPERTIES AUTOUIC OFF)
    feedback_register(${alias} "${CMAKE_CURRENT_SOURCE_DIR}" "${sources}" "${LIB_PUBLIC};${LIB_PRIVATE}")
endfunction()

# feedback_program(<target> SOURCES <files...> LIBS <libraries...>)
# The program, held to the table's "program" row like a library to its own.
function(feedback_program target)
    cmake_parse_arguments(PROG "" "" "SOURCES;LIBS" ${ARGN})
    feedback_check_links(program ${PROG_LIBS})
    add_executable(${target} ${PROG_SOURCES})
    target_link_libraries(${target} PRIVATE ${PROG_LIBS})
    list(TRANSFORM PROG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    feedback_register(program "" "${PROG_SOURCES}" "${PROG_LIBS}")
endfunction()

# Run once every library and the program are known: each quoted include must
# name a header of the including folder or of a library it may link, and each
# library of ours that is linked must be included somewhere (a link nothing
# uses is a dependency nobody needs).
function(feedback_check_includes)
    get_property(names GLOBAL PROPERTY FEEDBACK_CHECKED)
    foreach(name IN LISTS names)
        get_property(folder GLOBAL PROPERTY FEEDBACK_FOLDER_${name})
        if(folder)
            file(GLOB headers ${folder}/*.h)
            foreach(header IN LISTS headers)
                get_filename_component(header ${header} NAME)
                set(owner_${header} ${name})
            endforeach()
        endif()
    endforeach()
    foreach(name IN LISTS names)
        get_property(sources GLOBAL PROPERTY FEEDBACK_SOURCES_${name})
        get_property(links GLOBAL PROPERTY FEEDBACK_LINKS_${name})
        set(used "")
        foreach(source IN LISTS sources)
            file(STRINGS ${source} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
            foreach(line IN LISTS lines)
                string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
                set(owner "${owner_${header}}")
                if(NOT owner OR owner STREQUAL name)
                    continue()
                endif()
                if(NOT owner IN_LIST FEEDBACK_MAY_LINK_${name})
                    message(FATAL_ERROR "${source} includes ${header} of ${owner}, which ${name} may not "
                                        "link (see cmake/FeedbackLibrary.cmake)")
                elseif(NOT owner IN_LIST links)
                    message(FATAL_ERROR "${source} includes ${header} of ${owner}, which ${name} does not link")
                endif()
                list(APPEND used ${owner})
            endforeach()
        endforeach()
        foreach(lib IN LISTS links)
            if(lib MATCHES "^Feedback::" AND NOT lib IN_LIST used)
                message(FATAL_ERROR "${name} links ${lib} but includes none of its headers")
            endif()
        endforeach()
    endforeach()
endfunction()
