// Sound generator. `orb_gen_sounds OUTDIR` writes OUTDIR/sounds/*.wav, each
// exactly the size the installer's file table lists.
#include <QDir>
#include <cstdio>
#include <functional>
#include <vector>

#include "io/Files.h"
#include "sounds/ConsoleSounds.h"
#include "sounds/WarpSounds.h"
#include "sounds/WavWriter.h"

namespace {

struct SoundFile {
    const char* name;
    std::size_t bytes;
    std::function<std::vector<double>(std::size_t)> make;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: orb_gen_sounds OUTDIR\n");
        return 2;
    }
    QDir root(QString::fromLocal8Bit(argv[1]));
    if (!root.mkpath(QStringLiteral("sounds"))) {
        std::fprintf(stderr, "cannot create %s/sounds\n", argv[1]);
        return 1;
    }
    const std::vector<SoundFile> files = {
        {"BEEP.wav", 25550, orb::art::ConsoleSounds::Beep},
        {"AX.wav", 17932, orb::art::WarpSounds::Swoosh},
        {"ABD.wav", 25054, orb::art::ConsoleSounds::Chime},
        {"ABCD.wav", 288470, orb::art::WarpSounds::Loop},
        {"ABC.wav", 5336, orb::art::ConsoleSounds::PowerDown},
    };
    for (const auto& f : files) {
        const QByteArray bytes =
            orb::art::WavWriter::Encode(f.make(orb::art::WavWriter::SamplesForFileSize(f.bytes)));
        if (static_cast<std::size_t>(bytes.size()) != f.bytes) {
            std::fprintf(stderr, "%s: %lld bytes, expected %zu\n", f.name,
                         static_cast<long long>(bytes.size()), f.bytes);
            return 1;
        }
        const QString path = root.filePath(QStringLiteral("sounds/") + QLatin1String(f.name));
        QString error;
        if (!orb::art::WriteFileAtomically(path, bytes, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
