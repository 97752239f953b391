// Scene generator. `orb_gen_scenes --preview NN out.png` writes one scene's
// full-colour painting for review.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ScenePainters.h"

int main(int argc, char** argv) {
    // A generator never needs a display; fonts still come from fontconfig.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--preview") == 0) {
        const int wanted = std::atoi(argv[2]);
        int count = 0;
        const orb::art::SceneEntry* table = orb::art::SceneTable(&count);
        for (int i = 0; i < count; ++i) {
            if (table[i].number == wanted) {
                return table[i].paint().save(QString::fromLocal8Bit(argv[3])) ? 0 : 1;
            }
        }
        std::fprintf(stderr, "no scene %d\n", wanted);
        return 1;
    }
    std::fprintf(stderr, "usage: orb_gen_scenes --preview NN out.png\n");
    return 2;
}
