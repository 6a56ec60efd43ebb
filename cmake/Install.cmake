# What `cmake --install` puts on a system, and the Debian package CPack makes
# of it: both programs, and with the editor its desktop entry, icons, MIME
# type and AppStream metainfo; a manual page for each program.
include(GNUInstallDirs)

install(TARGETS velmar-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Manual pages are installed compressed, as Debian expects.
find_program(GZIP gzip REQUIRED)
set(man_pages velmar-cli.1)
if(VELMAR_GUI)
    list(APPEND man_pages velmar.1)
endif()
set(man_outputs)
foreach(page IN LISTS man_pages)
    set(out ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${out}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                       COMMAND ${GZIP} -9n -c ${PROJECT_SOURCE_DIR}/docs/man/${page} > ${out}
                       DEPENDS ${PROJECT_SOURCE_DIR}/docs/man/${page} VERBATIM)
    list(APPEND man_outputs ${out})
endforeach()
add_custom_target(velmar_man_pages ALL DEPENDS ${man_outputs})
install(FILES ${man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(VELMAR_GUI)
    install(TARGETS velmar RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    add_subdirectory(desktop)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmar)
set(CPACK_PACKAGE_VENDOR "Velmar project")
set(CPACK_PACKAGE_CONTACT "Velmar maintainers <maintainers@velmar.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "channel editor for digital-TV receivers")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Velmar edits the channel database of satellite, terrestrial and cable\n"
       "set-top boxes. It opens a receiver's flash image or an Excel 97 workbook,\n"
       "shows satellites, transponders, multiplexes, providers, channels and\n"
       "favourite lists, and writes the result back into the original image.\n"
       "velmar-cli does the same loads, saves and conversions from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
# dpkg-shlibdeps works out the library packages from the binaries.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
