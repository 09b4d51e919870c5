# A room is a folder of src/ built as a static library of its own. It names
# the rooms it uses; only their headers are on its include path, so an
# #include that runs against the arrows does not compile, and a symbol of a
# room that is not named does not link.
#
#   zorbiks_room(NAME SOURCES file.cpp… [USES room…] [LINKS target…] [WIDGETS])
#
# The library is zorbiks_NAME ("/" becomes "_"); its headers are included
# as "NAME/File.h". WIDGETS rooms share one precompiled header of Qt's
# widget headers.

# A room's sources are compiled in batches of a few files (a unity build):
# the Qt headers are read once per batch instead of once per file, which
# makes a first build about a quarter faster. Turn it off for quick
# rebuilds of a single file while working on one room.
option(ZORBIKS_UNITY_BUILD "Compile each room's sources in batches" ON)

# The precompiled Qt headers, built once and reused by every widget room.
add_library(zorbiks_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/pch.cpp)
target_link_libraries(zorbiks_pch PUBLIC Qt6::Widgets)
target_precompile_headers(zorbiks_pch PRIVATE
    <QtCore/QList> <QtCore/QObject> <QtCore/QString> <QtCore/QStringList>
    <QtGui/QFont> <QtGui/QPainter>
    <QtWidgets/QGroupBox> <QtWidgets/QLabel> <QtWidgets/QWidget>)

function(zorbiks_room name)
    cmake_parse_arguments(ROOM "WIDGETS" "" "SOURCES;USES;LINKS" ${ARGN})
    string(REPLACE "/" "_" target zorbiks_${name})
    add_library(${target} STATIC ${ROOM_SOURCES})
    set_target_properties(${target} PROPERTIES UNITY_BUILD ${ZORBIKS_UNITY_BUILD}
                                               UNITY_BUILD_BATCH_SIZE 8)
    # The room's include root holds nothing but a link to the room's folder.
    set(root ${CMAKE_BINARY_DIR}/rooms/${target})
    get_filename_component(parent ${root}/${name} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${name})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
    foreach(room ${ROOM_USES})
        string(REPLACE "/" "_" used zorbiks_${room})
        target_link_libraries(${target} PUBLIC ${used})
    endforeach()
    target_link_libraries(${target} PUBLIC ${ROOM_LINKS})
    if(ROOM_WIDGETS)
        target_link_libraries(${target} PUBLIC Qt6::Widgets)
        target_precompile_headers(${target} REUSE_FROM zorbiks_pch)
    endif()
endfunction()
