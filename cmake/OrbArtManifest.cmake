include_guard(GLOBAL)
# What the art generators must produce. The viewer's and the installer's
# resource lists and the distribution medium are built from these lists.
set(ORB_VIEWER_BITMAP_IDS
    104 105 106 108 109
    110 111 112 113 114 115 116 117 118 119
    132
    165 166 167 168 169 170 171 172 173 174
    175 176 177 178 179 180 181 182 183 184 185 186
    187 189 190 191
    301 302 303 306)
set(ORB_SETUP_BITMAP_IDS 133)
set(ORB_ICON_SIZES 16 32 48 64 128 256)
set(ORB_SCENE_NUMBERS
    00 01 02 03 04 05 06 07 08 09 10 11 12 13 14 15 16 17 18 19 20
    21 22 23 24 25 26 27 28 29 30 33 34 35 36 37 38 39 40 41 42 99)
set(ORB_SOUND_NAMES BEEP AX ABD ABCD ABC)

set(ORB_ART_DIR ${CMAKE_BINARY_DIR}/art-out)
