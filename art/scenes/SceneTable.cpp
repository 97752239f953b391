#include "scenes/ScenePainters.h"

#include <iterator>

namespace orb::art {

const SceneEntry* SceneTable(int* count) {
    static const SceneEntry kScenes[] = {
        {0, "galaxies and stars, the Milky Way forming", &PaintScene00},
        {1, "solar nebula, protoplanetary disc", &PaintScene01},
        {2, "molten young Earth under bombardment", &PaintScene02},
        {3, "first oceans, volcanic sky, huge Moon", &PaintScene03},
        {4, "Archean shallows, stromatolites, orange sky", &PaintScene04},
        {5, "Proterozoic rock and microbial mats", &PaintScene05},
        {6, "Cambrian and Ordovician seas", &PaintScene06},
        {7, "Silurian and Devonian shores", &PaintScene07},
        {8, "Carboniferous and Permian coal forests", &PaintScene08},
        {9, "Triassic and Jurassic", &PaintScene09},
        {10, "Cretaceous", &PaintScene10},
        {11, "the end-Cretaceous impact", &PaintScene11},
        {12, "impact winter", &PaintScene12},
        {13, "Paleogene and early Neogene", &PaintScene13},
        {14, "the warm world between ice ages", &PaintScene14},
        {15, "an ice age", &PaintScene15},
        {16, "Neolithic village", &PaintScene16},
        {17, "Bronze Age Egypt", &PaintScene17},
        {18, "classical antiquity", &PaintScene18},
        {19, "early Middle Ages", &PaintScene19},
        {20, "late Middle Ages and Renaissance", &PaintScene20},
        {21, "1601-1850", &PaintScene21},
        {22, "1851-1910", &PaintScene22},
        {23, "1911-1940", &PaintScene23},
        {24, "1941-1970", &PaintScene24},
        {25, "1971-2005", &PaintScene25},
        {26, "2006-2030", &PaintScene26},
        {27, "2031-100,000", &PaintScene27},
        {28, "remote future Earth", &PaintScene28},
        {29, "the Sun as a red giant", &PaintScene29},
        {30, "white dwarf over a frozen world", &PaintScene30},
        {33, "primordial fireball", &PaintScene33},
        {34, "cooling plasma, orange", &PaintScene34},
        {35, "cooling plasma, orange-red", &PaintScene35},
        {36, "cooling plasma, red", &PaintScene36},
        {37, "cooling plasma, deep red, fog thinning", &PaintScene37},
        {38, "dark ages, faint hydrogen clouds", &PaintScene38},
        {39, "dark ages, clouds gathering", &PaintScene39},
        {40, "dark ages, clouds denser", &PaintScene40},
        {41, "dark ages, clouds about to collapse", &PaintScene41},
        {42, "first stars and proto-galaxies", &PaintScene42},
        {99, "warp tunnel", &PaintScene99},
    };
    *count = static_cast<int>(std::size(kScenes));
    return kScenes;
}

}  // namespace orb::art
