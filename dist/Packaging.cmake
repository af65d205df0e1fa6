# The Debian package: `cpack -G DEB` in the build folder gives kvr-zel_<version>_<arch>.deb,
# installed under /usr. It depends on the Qt runtime, never on the -dev packages.

set(CPACK_PACKAGE_NAME kvr-zel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KVR_ZEL")
set(CPACK_PACKAGE_CONTACT "${ZEL_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "carnet de trafic du diplôme des Abbayes italiennes (ZEL)")
# Lines within 80 columns (Debian's limit), the leading blank dpkg adds included.
set(CPACK_PACKAGE_DESCRIPTION
    "KVR_ZEL tient le carnet de trafic des radioamateurs qui chassent le\n"
    "diplôme des contacts avec les stations opérant depuis des abbayes\n"
    "italiennes : saisie des QSO, listes des abbayes contactées et confirmées,\n"
    "score, régions, recherche, import et export ADIF, lecture du poste radio\n"
    "par rigctld (facultative). Les logs et les listes de chaque utilisateur\n"
    "sont dans ~/.local/share/ZEL.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the executable links, the xcb platform plugin (only recommended by
# libqt6gui6, so absent after an install without recommends), Qt's French texts (Oui/Non)
# and the fonts: Liberation for Courier New and Arial, DejaVu for the windows (with
# Liberation alone, fontconfig gives Liberation Mono for every window's text). The radio is
# read through Hamlib's rigctld, which only the operator who uses CAT needs: recommended.
# Qt Network carries the rigctld and DX-cluster connections.
string(REGEX MATCH "^[0-9]+\\.[0-9]+\\.[0-9]+" ZEL_QT_VERSION "${Qt6_VERSION}")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libqt6core6 (>= ${ZEL_QT_VERSION}), libqt6gui6 (>= ${ZEL_QT_VERSION}), libqt6widgets6 (>= ${ZEL_QT_VERSION}), libqt6printsupport6 (>= ${ZEL_QT_VERSION}), libqt6svg6 (>= ${ZEL_QT_VERSION}), libqt6charts6 (>= ${ZEL_QT_VERSION}), libqt6network6 (>= ${ZEL_QT_VERSION}), qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, fonts-dejavu-core, ca-certificates")
# CAT is optional: rigctld and rigctl come with Hamlib's tools when the operator wants them.
# The keyring module (lib/kvr-zel/zel_keyring) needs QtKeychain; without it the
# confirmations' passwords are asked at each download.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libhamlib-utils, libqt6keychain1")

set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git" "/build[^/]*/" "\\\\.user$")

include(CPack)
