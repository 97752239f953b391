// The painters of the era scenes and the warp tunnel. Each returns a 512 x 320
// full-colour picture (QImage::Format_RGB32), painted in daylight; the viewer
// lights it through its palette. Painters are deterministic: no clocks, no
// global random state.
#pragma once

#include <QImage>

namespace orb::art {

using ScenePainter = QImage (*)();

struct SceneEntry {
    int number;         // 0..42 without 31 and 32, and 99
    const char* title;  // what it shows, for the contact sheet
    ScenePainter paint;
};

// The 42 entries, in ascending scene number.
const SceneEntry* SceneTable(int* count);

// Deep space and the early universe.
QImage PaintScene00();  // galaxies and stars, the Milky Way forming
QImage PaintScene01();  // solar nebula, protoplanetary disc
QImage PaintScene02();  // molten young Earth under bombardment
QImage PaintScene03();  // first oceans, volcanic sky, huge Moon
QImage PaintScene04();  // Archean shallows, stromatolites, orange sky
QImage PaintScene05();  // Proterozoic rock and microbial mats
QImage PaintScene33();  // primordial fireball
QImage PaintScene34();  // cooling plasma, orange
QImage PaintScene35();  // cooling plasma, orange-red
QImage PaintScene36();  // cooling plasma, red
QImage PaintScene37();  // cooling plasma, deep red, fog thinning
QImage PaintScene38();  // dark ages, faint hydrogen clouds
QImage PaintScene39();  // dark ages, clouds gathering
QImage PaintScene40();  // dark ages, clouds denser
QImage PaintScene41();  // dark ages, clouds about to collapse
QImage PaintScene42();  // first stars and proto-galaxies
QImage PaintScene99();  // warp tunnel

// The history of life.
QImage PaintScene06();  // Cambrian and Ordovician seas
QImage PaintScene07();  // Silurian and Devonian shores
QImage PaintScene08();  // Carboniferous and Permian coal forests
QImage PaintScene09();  // Triassic and Jurassic
QImage PaintScene10();  // Cretaceous
QImage PaintScene11();  // the end-Cretaceous impact
QImage PaintScene12();  // impact winter
QImage PaintScene13();  // Paleogene and early Neogene
QImage PaintScene14();  // the warm world between ice ages
QImage PaintScene15();  // an ice age

// People and the future.
QImage PaintScene16();  // Neolithic village
QImage PaintScene17();  // Bronze Age Egypt
QImage PaintScene18();  // classical antiquity
QImage PaintScene19();  // early Middle Ages
QImage PaintScene20();  // late Middle Ages and Renaissance
QImage PaintScene21();  // 1601-1850
QImage PaintScene22();  // 1851-1910
QImage PaintScene23();  // 1911-1940
QImage PaintScene24();  // 1941-1970
QImage PaintScene25();  // 1971-2005
QImage PaintScene26();  // 2006-2030
QImage PaintScene27();  // 2031-100,000
QImage PaintScene28();  // remote future Earth
QImage PaintScene29();  // the Sun as a red giant
QImage PaintScene30();  // white dwarf over a frozen world

}  // namespace orb::art
