// Stages a complete installation from the build's outputs: the viewer with
// its install-path field filled in, the databank, documents, scenes and sounds.
//   orb_stage TARGET VIEWER DATA_DIR SCENE_DIR SOUND_DIR
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "setup/patch/InstallPathWriter.h"

namespace fs = std::filesystem;

namespace {

bool ReadWhole(const fs::path& path, std::vector<std::uint8_t>* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Written beside the target and renamed over it, so a running viewer keeps
// its old file and no half-written one is ever seen.
bool WriteWhole(const fs::path& path, const std::vector<std::uint8_t>& bytes, fs::perms perms) {
    const fs::path temporary = path.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            return false;
        }
    }
    std::error_code error;
    fs::permissions(temporary, perms, error);
    fs::rename(temporary, path, error);
    return !error;
}

bool Copy(const fs::path& from, const fs::path& to) {
    std::vector<std::uint8_t> bytes;
    if (!ReadWhole(from, &bytes)) {
        std::fprintf(stderr, "orb_stage: cannot read %s\n", from.c_str());
        return false;
    }
    if (!WriteWhole(to, bytes,
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::others_read)) {
        std::fprintf(stderr, "orb_stage: cannot write %s\n", to.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) {
        std::fprintf(stderr, "usage: orb_stage TARGET VIEWER DATA_DIR SCENE_DIR SOUND_DIR\n");
        return 2;
    }
    const fs::path target = fs::absolute(argv[1]).lexically_normal();
    const fs::path viewer = argv[2];
    const fs::path data = argv[3];
    const fs::path scenes = argv[4];
    const fs::path sounds = argv[5];

    std::error_code error;
    fs::create_directories(target / "data", error);
    fs::create_directories(target / "example", error);

    std::vector<std::uint8_t> image;
    if (!ReadWhole(viewer, &image)) {
        std::fprintf(stderr, "orb_stage: cannot read the viewer %s\n", viewer.c_str());
        return 1;
    }
    const std::string typed = target.string();
    const orbsetup::PatchResult patched =
        orbsetup::WriteInstallPath(image, orbsetup::WithoutTrailingSeparator(typed));
    if (!patched.ok) {
        std::fprintf(stderr, "orb_stage: %s\n", patched.error.c_str());
        return 1;
    }
    if (!WriteWhole(target / "orb.exe", image,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec)) {
        std::fprintf(stderr, "orb_stage: cannot write %s\n", (target / "orb.exe").c_str());
        return 1;
    }

    bool ok = Copy(data / "EVENTS.DAT", target / "data" / "EVENTS.dat");
    for (const char* document :
         {"LICENSE.txt", "README.txt", "QUICK GUIDE.txt", "TROUBLE SHOOTING.txt", "VERSIONS.txt"}) {
        if (fs::exists(data / document)) {
            ok = Copy(data / document, target / document) && ok;
        }
    }
    for (const auto& entry : fs::directory_iterator(scenes, error)) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".map" || ext == ".pal") {
            ok = Copy(entry.path(), target / "data" / entry.path().filename()) && ok;
        }
    }
    for (const auto& entry : fs::directory_iterator(sounds, error)) {
        if (entry.path().extension() == ".wav") {
            ok = Copy(entry.path(), target / entry.path().filename()) && ok;
        }
    }
    return ok ? 0 : 1;
}
