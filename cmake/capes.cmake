# The layers, enforced by the compiler. Every include is written from the
# repository root ("engine/motor.h"), so giving a library the root would let
# it include any folder. Instead each library compiles against its own include
# tree in the build folder: a folder of links to the source folders it may
# see. An include of a folder above is a file the compiler cannot find.
#
# The platform interfaces (platform/*.h) are in every tree, linked one by one,
# so that platform/ in a tree holds the interfaces and only the adapters named.
# The tools, tests, benchmarks and the program's wiring see the whole root
# (quorvel_logic and quorvel_programa give it to them).

# The logic layers, bottom up (docs/architecture.md draws them).
set(QUORVEL_CAPES core i18n content stage joystick board engine app)

# quorvel_arbre_inclusions(TARGET folder...): TARGET sees the platform
# interfaces and exactly the folders named (like "core" or "platform/local").
function(quorvel_arbre_inclusions objectiu)
    set(arbre ${CMAKE_BINARY_DIR}/capes/${objectiu})
    file(MAKE_DIRECTORY ${arbre}/platform)
    file(GLOB interficies RELATIVE ${CMAKE_SOURCE_DIR} CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/platform/*.h)
    foreach(nom ${interficies} ${ARGN})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${nom} ${arbre}/${nom} SYMBOLIC)
    endforeach()
    target_include_directories(${objectiu} PRIVATE ${arbre})
endfunction()

# quorvel_capa(TARGET layer): TARGET sees its layer and the layers below it.
function(quorvel_capa objectiu capa)
    list(FIND QUORVEL_CAPES ${capa} nivell)
    if(nivell LESS 0)
        message(FATAL_ERROR "${capa} is not a layer: ${QUORVEL_CAPES}")
    endif()
    list(SUBLIST QUORVEL_CAPES 0 ${nivell} per_sota)
    quorvel_arbre_inclusions(${objectiu} ${per_sota} ${capa})
endfunction()
