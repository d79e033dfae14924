# Read by cpack as it starts: the package's maintainer is the one packaging it, named by DEBFULLNAME
# and DEBEMAIL as for Debian's own tools.
if("$ENV{DEBFULLNAME}" STREQUAL "" OR "$ENV{DEBEMAIL}" STREQUAL "")
  message(FATAL_ERROR "Pakiet musi mieć opiekuna: ustaw DEBFULLNAME i DEBEMAIL, np.\n"
    "  export DEBFULLNAME=\"Imię Nazwisko\" DEBEMAIL=adres@example.org")
endif()
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
