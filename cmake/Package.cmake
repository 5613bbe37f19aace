# The Debian package: `cmake --build build --target package` (or scripts/package) makes
# stumpcraft_<version>_amd64.deb from the install rules. Its library dependencies are found
# by dpkg-shlibdeps; what no library names (Qt's X11 platform plugin, a voice) is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME stumpcraft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Stumpcraft developers")
set(CPACK_PACKAGE_CONTACT "The Stumpcraft developers <developers@stumpcraft.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "limited-overs cricket game, played ball by ball")
set(CPACK_PACKAGE_DESCRIPTION [=[Stumpcraft is a desktop cricket game. One person plays against the computer,
or two people play each other at one machine, in limited-overs matches of 10
to 50 overs a side or one-innings chases. Set each batsman's level from
cautious to aggressive, choose your bowlers under the quota rule, and follow
the cards, the partnerships, the chase and an animated commentator.

A hall of fame keeps every player's games and records, and each country's
squad can be edited in the game. The package also holds stumpcraft-sim, which
plays whole seasons between the computer's sides from the command line.]=])
set(CPACK_PACKAGE_INSTALL_DIRECTORY stumpcraft)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://stumpcraft.example/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-speech-flite-plugin, fonts-dejavu-core")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# Folders as Debian keeps them, whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
