# SPDX-License-Identifier: MIT
# Writes the Debian changelog as it is installed: the source file without the
# comment lines at its top.
#     cmake -DSOURCE=data/changelog -DOUTPUT=changelog -P changelog.cmake
file(READ "${SOURCE}" text)
string(REGEX REPLACE "^(#[^\n]*\n)+" "" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
