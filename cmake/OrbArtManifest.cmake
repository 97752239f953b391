include_guard(GLOBAL)
# What the art generators must produce. The viewer's and the installer's
# resource lists and the distribution medium are built from these lists.
# The bitmaps are the rows of their table (ORB_BITMAP_IDS and the rest).
include(${CMAKE_CURRENT_LIST_DIR}/OrbBitmapTable.cmake)
orb_read_bitmap_table(${PROJECT_SOURCE_DIR}/art/bitmaps/Bitmaps.table)
set(ORB_ICON_SIZES 16 32 48 64 128 256)
set(ORB_SCENE_NUMBERS
    00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20
    21 22 23 24 25 26 27 28 29 30 33 34 35 36 37 38 39 40 41 42 99)
set(ORB_SOUND_NAMES BEEP AX ABD ABCD ABC)

set(ORB_ART_DIR ${CMAKE_BINARY_DIR}/art-out)
