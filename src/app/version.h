// The program's version, in one place: the version block and the manifest
// (Tomecase.rc, Tomecase.manifest.in), the About box and the packages all
// take it from here. Plain defines, so that the resource compiler and CMake
// can read them too.
#pragma once

#define TOMECASE_VERSION_MAJOR 2
#define TOMECASE_VERSION_MINOR 5
#define TOMECASE_VERSION_TEXT "2.05"
