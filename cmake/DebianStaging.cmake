# Run by CPack on the staged package tree, just before the .deb is made: adds
# what Debian expects of every package that a plain install has no use for.

set(root ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(docdir ${root}/${CPACK_TINCT_DOCDIR})
set(manpage ${root}/${CPACK_TINCT_MANDIR}/man1/tinct.1)

# The MIT licence asks for its notice to go with every copy.
file(MAKE_DIRECTORY ${docdir})
configure_file(${CPACK_RESOURCE_FILE_LICENSE} ${docdir}/copyright COPYONLY)

# A changelog whose top entry is another version would misdescribe the package.
file(READ ${CPACK_TINCT_CHANGELOG} changelog)
string(REGEX MATCH "^[^\n]*" top "${changelog}")
if(NOT top MATCHES "^${CPACK_PACKAGE_NAME} \\(${CPACK_PACKAGE_VERSION}\\) ")
    message(FATAL_ERROR "${CPACK_TINCT_CHANGELOG} starts with '${top}', "
                        "not with version ${CPACK_PACKAGE_VERSION}")
endif()
configure_file(${CPACK_TINCT_CHANGELOG} ${docdir}/changelog COPYONLY)

# Debian ships these compressed; -n leaves out name and time so the package
# comes out the same from the same sources.
foreach(file IN ITEMS ${docdir}/changelog ${manpage})
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} is not in the staged package")
    endif()
    execute_process(COMMAND gzip -9nf ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
