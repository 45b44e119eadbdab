# Run by cpack after each package is made. CPack's archive writer copies the
# owner and the modes of the files it packs from the build tree, so the
# portable tarball would belong to whoever built it, with their umask's
# modes; it is packed again here with root as owner and the modes of an
# installed program.
if(NOT CPACK_GENERATOR STREQUAL "TGZ")
    return()
endif()
foreach(tarball ${CPACK_PACKAGE_FILES})
    get_filename_component(folder ${tarball} DIRECTORY)
    set(tree ${folder}/_repack)
    file(REMOVE_RECURSE ${tree})
    file(MAKE_DIRECTORY ${tree})
    execute_process(COMMAND tar -xzf ${tarball} -C ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(GLOB top RELATIVE ${tree} ${tree}/*)
    execute_process(
        COMMAND tar --sort=name --owner=0 --group=0 --numeric-owner --mode=u=rwX,go=rX -czf ${tarball} ${top}
        WORKING_DIRECTORY ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
