# The manual pages and the Debian package: `cpack -G DEB` in a Release build
# gives kelmora_<version>_amd64.deb, its dependencies found from the binaries.
find_program(GZIP_EXECUTABLE gzip REQUIRED)

# Each page compressed as Debian keeps them, byte for byte the same every build.
set(KELMORA_MAN_PAGES kelmora kelmora-solve)
set(compressed_docs)
foreach(page ${KELMORA_MAN_PAGES})
    set(source ${PROJECT_SOURCE_DIR}/docs/${page}.6)
    set(target ${PROJECT_BINARY_DIR}/docs/${page}.6.gz)
    add_custom_command(OUTPUT ${target}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs
                       COMMAND ${GZIP_EXECUTABLE} -9nc ${source} > ${target}
                       DEPENDS ${source} VERBATIM)
    list(APPEND compressed_docs ${target})
    install(FILES ${target} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
set(changelog ${PROJECT_BINARY_DIR}/docs/changelog.gz)
add_custom_command(OUTPUT ${changelog}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/docs
                   COMMAND ${GZIP_EXECUTABLE} -9nc ${PROJECT_SOURCE_DIR}/docs/changelog > ${changelog}
                   DEPENDS ${PROJECT_SOURCE_DIR}/docs/changelog VERBATIM)
add_custom_target(kelmora_docs ALL DEPENDS ${compressed_docs} ${changelog})
install(FILES ${PROJECT_SOURCE_DIR}/docs/copyright ${changelog}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelmora)

set(CPACK_PACKAGE_NAME kelmora)
set(CPACK_PACKAGE_VENDOR "The Kelmora developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solitaire card game with every card face up")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not "games": that section asks for the programs in /usr/games, and the
# programs install to bin/ like any other.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kelmora developers <developers@kelmora.invalid>")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "One deck is dealt face up into eight columns, with four reserve cells and
four home cells. Runs of cards move down the columns in alternating colours
until every suit is home, Ace to King. Every deal has a number, and the same
number always gives the same deal.

kelmora-solve decides whether a deal can be won and prints the winning line.")
include(CPack)
