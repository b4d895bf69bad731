# The Debian package: build/mibbet_<version>_<arch>.deb from the install rules,
# with the library dependencies worked out by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mibbet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Mibbet 製作小組 <mibbet@example.com>")
set(CPACK_PACKAGE_VENDOR "Mibbet 製作小組")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "maze chase game in Traditional Chinese, with its level editor")
set(CPACK_PACKAGE_DESCRIPTION "Steer Mibbet over a 26 x 20 maze and eat every ball before
the stage clock runs out and keep away from the ghosts. A power meter pays
for a two-cell laser, a drill and invisibility. Five modes, ten stages and
a practice map, high scores, saved games, a radar and help windows, sound
and music. All text is in Traditional Chinese.
.
Tessaly, the level editor, paints tiles, replaces codes in bulk, generates
random mazes and saves the stage maps the game plays.")
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE MIBBET_DEB_ARCH
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT MIBBET_DEB_ARCH)
  set(MIBBET_DEB_ARCH amd64)
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${MIBBET_DEB_ARCH})
set(CPACK_DEBIAN_FILE_NAME mibbet_${PROJECT_VERSION}_${MIBBET_DEB_ARCH}.deb)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://halvern.example.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt draws its windows through a platform plugin, which no library links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The contact address and the school's site open in the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
