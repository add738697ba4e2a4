cmake_minimum_required(VERSION 3.25)
# Writes the service worker for a built page: its cache named after the version and the page's
# contents. Run with -DTEMPLATE= -DPAGE= -DVERSION= -DOUTPUT=.
file(SHA256 "${PAGE}" hash)
string(SUBSTRING "${hash}" 0 16 hash)
set(cache_name "quorvel-${VERSION}-${hash}")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
