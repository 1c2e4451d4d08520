# The enumeration catalogue: one data file per area, turned into C++ at build time by enumgen, a
# small program built first in this build. It writes contracts/<area>.h for each area and
# contracts/catalogue.cpp into the build tree (nothing generated is checked in); a name that does
# not exist in the data stops the build there. Included from src/CMakeLists.txt, after
# quorva_core is defined.
set(QUORVA_CATALOGUE_AREAS pageenums fiscalenums salesenums systemenums serviceenums)

add_executable(enumgen ${CMAKE_CURRENT_LIST_DIR}/enumgen.cpp ${CMAKE_CURRENT_LIST_DIR}/model.h
    ${CMAKE_CURRENT_LIST_DIR}/reader.cpp ${CMAKE_CURRENT_LIST_DIR}/writer.cpp)
set_target_properties(enumgen PROPERTIES AUTOMOC OFF)
target_include_directories(enumgen PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(enumgen PRIVATE RapidJSON)
# Our warnings, without the sanitizers: the generator runs during the build. Unoptimised and
# without debug information in every build type: it reads the catalogue in a tenth of a second
# either way, and compiles in half the time.
target_compile_options(enumgen PRIVATE -Wall -Wextra -Wshadow -Wconversion -Wno-sign-conversion
    -O0 -g0)
if(QUORVA_WERROR)
    target_compile_options(enumgen PRIVATE -Werror)
endif()

set(catalogue_dir ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(catalogue_data "")
set(catalogue_outputs ${catalogue_dir}/contracts/catalogue.cpp)
foreach(area IN LISTS QUORVA_CATALOGUE_AREAS)
    list(APPEND catalogue_data ${CMAKE_CURRENT_LIST_DIR}/${area}.json)
    list(APPEND catalogue_outputs ${catalogue_dir}/contracts/${area}.h)
endforeach()
add_custom_command(OUTPUT ${catalogue_outputs}
    COMMAND enumgen ${catalogue_dir}/contracts ${catalogue_data}
    DEPENDS enumgen ${catalogue_data}
    COMMENT "Generating the enumeration catalogue"
    VERBATIM)
target_sources(quorva_core PRIVATE ${catalogue_outputs})
target_include_directories(quorva_core PUBLIC ${catalogue_dir})
