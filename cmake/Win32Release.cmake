# The release form of the Windows binaries: each carries a version resource (the programs
# also the Inspector's frame icon as their own), written by the resource generator, and is
# stripped after linking with its debug information kept in NAME.debug beside it, which the
# binary names by a debug link so that a debugger finds it.
set(MV_BINARY_RC_DIR ${CMAKE_BINARY_DIR}/rc-binaries)
set(MV_BINARY_SCRIPTS)
foreach(name mvdesk mvdeskw mvplatform mvkhost)
    list(APPEND MV_BINARY_SCRIPTS ${MV_BINARY_RC_DIR}/${name}.rc)
endforeach()
add_custom_command(
    OUTPUT ${MV_BINARY_SCRIPTS}
    COMMAND ${MV_RCGEN} ${MV_BINARY_RC_DIR}
    DEPENDS ${MV_RCGEN}
    COMMENT "Writing the binaries' resource scripts into ${MV_BINARY_RC_DIR}"
    VERBATIM)
add_custom_target(mv_binary_scripts DEPENDS ${MV_BINARY_SCRIPTS})

# `script`: the name of the binary's own script in MV_BINARY_RC_DIR; empty when the target
# compiles its resources itself.
function(mv_windows_release target script)
    if(script)
        set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}_version_res.o)
        add_custom_command(
            OUTPUT ${res}
            COMMAND ${CMAKE_RC_COMPILER} -c 65001 -I ${MV_BINARY_RC_DIR}
                    -i ${MV_BINARY_RC_DIR}/${script}.rc -o ${res}
            DEPENDS ${MV_BINARY_RC_DIR}/${script}.rc
            WORKING_DIRECTORY ${MV_BINARY_RC_DIR}
            COMMENT "Compiling the resources of ${target}"
            VERBATIM)
        set_source_files_properties(${res} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
        target_sources(${target} PRIVATE ${res})
        add_dependencies(${target} mv_binary_scripts)
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}>
                $<TARGET_FILE:${target}>.debug
        COMMAND ${CMAKE_OBJCOPY} --strip-all
                --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug $<TARGET_FILE:${target}>
        WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
        VERBATIM)
endfunction()
