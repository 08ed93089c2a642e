# The Inspector module as a Windows DLL, mvkinsp.dll: the entry points exported with the
# standard calling convention under their plain names (the .def file, --kill-at), and the
# resources compiled by windres from the script the resource generator writes.
if(NOT MV_RCGEN)
    message(FATAL_ERROR "MV_RCGEN must name the resource generator of a native build")
endif()

file(GLOB MV_MODULE_SOURCES CONFIGURE_DEPENDS
    service/*.cpp frame/*.cpp listview/*.cpp dialogs/*.cpp)
list(FILTER MV_MODULE_SOURCES EXCLUDE REGEX "/service/ModuleLoadNative\\.cpp$")

set(MV_RC_DIR ${CMAKE_BINARY_DIR}/rc)
set(MV_RES_OBJECT ${CMAKE_CURRENT_BINARY_DIR}/mvkinsp_res.o)
add_custom_command(
    OUTPUT ${MV_RC_DIR}/mvkinsp.rc
    COMMAND ${MV_RCGEN} ${MV_RC_DIR}
    DEPENDS ${MV_RCGEN}
    COMMENT "Writing the module's resource script into ${MV_RC_DIR}"
    VERBATIM)
add_custom_command(
    OUTPUT ${MV_RES_OBJECT}
    COMMAND ${CMAKE_RC_COMPILER} -c 65001 -I ${MV_RC_DIR} -i ${MV_RC_DIR}/mvkinsp.rc
            -o ${MV_RES_OBJECT}
    DEPENDS ${MV_RC_DIR}/mvkinsp.rc
    WORKING_DIRECTORY ${MV_RC_DIR}
    COMMENT "Compiling the module's resources"
    VERBATIM)

add_library(mvkinsp SHARED ${MV_MODULE_SOURCES} service/mvkinsp.def ${MV_RES_OBJECT})
set_source_files_properties(${MV_RES_OBJECT} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)
target_include_directories(mvkinsp PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(mvkinsp PRIVATE MVKINSP_BUILDING)
target_link_libraries(mvkinsp PRIVATE mvkhost mvplatform)
target_link_options(mvkinsp PRIVATE -Wl,--kill-at -Wl,--no-undefined)
set_target_properties(mvkinsp PROPERTIES PREFIX "")
mv_windows_release(mvkinsp "")
