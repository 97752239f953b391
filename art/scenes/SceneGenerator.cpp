#include "scenes/SceneGenerator.h"

#include <cmath>
#include <cstdio>

#include "quant/ImageMetrics.h"
#include "quant/PaletteQuantizer.h"
#include "scenes/SceneFileWriter.h"
#include "scenes/ScenePainters.h"

namespace orb::art {

int SceneGenerator::GenerateAll(const QString& directory, bool report) {
    int count = 0;
    const SceneEntry* table = SceneTable(&count);
    const SceneFileWriter writer(directory);
    const PaletteQuantizer quantizer(QuantizeOptions::ForScenes());
    double worst = INFINITY;
    for (int i = 0; i < count; ++i) {
        const QImage painting = table[i].paint();
        const IndexedImage indexed = quantizer.Reduce(painting);
        QString error;
        if (!writer.Write(table[i].number, indexed, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        if (report) {
            const double psnr = ImageMetrics::Psnr(painting, indexed.ToImage());
            worst = std::fmin(worst, psnr);
            std::printf("%02d  %6.2f dB  %3d colours  %s\n", table[i].number, psnr,
                        static_cast<int>(indexed.Palette().size()), table[i].title);
        }
    }
    if (report) {
        std::printf("lowest %.2f dB\n", worst);
    }
    return 0;
}

int SceneGenerator::Preview(int scene, const QString& pngPath, bool reduced) {
    int count = 0;
    const SceneEntry* table = SceneTable(&count);
    for (int i = 0; i < count; ++i) {
        if (table[i].number == scene) {
            QImage image = table[i].paint();
            if (reduced) {
                image = PaletteQuantizer(QuantizeOptions::ForScenes()).Reduce(image).ToImage();
            }
            return image.save(pngPath) ? 0 : 1;
        }
    }
    std::fprintf(stderr, "no scene %d\n", scene);
    return 1;
}

}  // namespace orb::art
