// Scene generator.
//   orb_gen_scenes [--report] OUTDIR          every scene's NN.map and NN.pal
//   orb_gen_scenes --preview NN out.png       one scene's full-colour painting
//   orb_gen_scenes --preview-reduced NN out.png  the same after reduction
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scenes/SceneGenerator.h"

int main(int argc, char** argv) {
    // A generator never needs a display; fonts still come from fontconfig.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 4 && (std::strcmp(argv[1], "--preview") == 0 ||
                      std::strcmp(argv[1], "--preview-reduced") == 0)) {
        return orb::art::SceneGenerator::Preview(std::atoi(argv[2]),
                                                 QString::fromLocal8Bit(argv[3]),
                                                 std::strcmp(argv[1], "--preview-reduced") == 0);
    }
    if (argc == 2 && argv[1][0] != '-') {
        return orb::art::SceneGenerator::GenerateAll(QString::fromLocal8Bit(argv[1]), false);
    }
    if (argc == 3 && std::strcmp(argv[1], "--report") == 0) {
        return orb::art::SceneGenerator::GenerateAll(QString::fromLocal8Bit(argv[2]), true);
    }
    std::fprintf(stderr,
                 "usage: orb_gen_scenes [--report] OUTDIR\n"
                 "       orb_gen_scenes --preview NN out.png\n"
                 "       orb_gen_scenes --preview-reduced NN out.png\n");
    return 2;
}
