// enumgen: turns the enumeration catalogue (one JSON file per area, described in README.md
// beside this file) into C++ at build time.
//
// Every file is read and every name checked before anything is written: an unknown key, a
// column, member or enumeration that does not exist, a cell of the wrong kind or a conversion
// that recognises nothing stops the build with the file and the enumeration at fault.
//
// Output: <area>.h per area (the enumerations and the declarations of their operations) and
// catalogue.cpp (the constant data of every enumeration and the one-line definitions of the
// operations, which call contracts/enumkit.h). A file is rewritten only when its text changes,
// so that what includes it is not rebuilt.
//
// Usage: enumgen <output folder> <area.json>...

#include "contracts/catalogue/model.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: enumgen <output folder> <area.json>...\n";
        return 2;
    }
    try {
        enumgen::writeCatalogue(enumgen::readCatalogue({argv + 2, argv + argc}), argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "enumgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
