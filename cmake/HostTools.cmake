# The build-time generators (art and sound, the built-in font, the icon
# packer), built for and run on the build machine while the game is built
# for another: a cross build cannot run its own programs.
#
# By default they are built here, in host-tools/, by a configuration of this
# project with ORVESSA_HOST_TOOLS_ONLY for the build machine's own compiler.
# ORVESSA_HOST_TOOLS_DIR may name an existing build folder of this project
# for the build machine (a Linux build/) to take them from instead.
set(ORVESSA_HOST_TOOLS_DIR "" CACHE PATH
    "A build folder for the build machine whose generators to run (empty: build them here)")

set(host_tools orvessa_artgen orvessa_fontgen orvessa_icon_pack)
if(ORVESSA_HOST_TOOLS_DIR)
    set(host_dir ${ORVESSA_HOST_TOOLS_DIR})
    add_custom_target(orvessa_host_tools
        COMMAND ${CMAKE_COMMAND} --build ${host_dir} --target ${host_tools}
        COMMENT "Bringing the build machine's generators up to date")
else()
    include(ExternalProject)
    set(host_dir ${CMAKE_BINARY_DIR}/host-tools)
    # Only the toolchain file and its settings stay behind: the environment
    # here is the build machine's own.
    ExternalProject_Add(orvessa_host_tools
        SOURCE_DIR ${PROJECT_SOURCE_DIR}
        BINARY_DIR ${host_dir}
        CMAKE_ARGS -DORVESSA_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release
        BUILD_COMMAND ${CMAKE_COMMAND} --build ${host_dir} --target ${host_tools}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        BUILD_BYPRODUCTS ${host_dir}/tools/orvessa_artgen ${host_dir}/orvessa_fontgen
                         ${host_dir}/tools/orvessa_icon_pack)
endif()

# Paths, not targets, in the commands that run them: a cross build would run
# a program target through the emulator (wine).
set(ORVESSA_ARTGEN ${host_dir}/tools/orvessa_artgen)
set(ORVESSA_FONTGEN ${host_dir}/orvessa_fontgen)
set(ORVESSA_ICON_PACK ${host_dir}/tools/orvessa_icon_pack)
