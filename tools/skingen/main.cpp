// qx_skingen: draws the default skin's images, writes its skin.ini, and optionally a contact
// sheet and window previews.
//
//   qx_skingen SKIN_FOLDER [--contact-sheet FILE.png] [--preview WIDTHxHEIGHT FILE.png]...

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "tools/skingen/AreaImages.h"
#include "tools/skingen/ButtonStrips.h"
#include "tools/skingen/Composite.h"
#include "tools/skingen/ContactSheet.h"
#include "tools/skingen/Metrics.h"
#include "tools/skingen/SkinTable.h"

using namespace skingen;

namespace {

struct PreviewRequest {
    int width = 0, height = 0;
    std::string path;
};

int Usage() {
    std::fprintf(stderr,
                 "usage: qx_skingen SKIN_FOLDER [--contact-sheet FILE.png] "
                 "[--preview WIDTHxHEIGHT FILE.png]...\n");
    return 2;
}

// Every file the table names must have been drawn, and every drawn file must be named.
bool CheckImagesMatchTable(const ImageSet& images) {
    bool ok = true;
    for (const SkinElement& e : DefaultSkin()) {
        if (e.kind == Kind::Colour || images.count(e.file)) continue;
        std::fprintf(stderr, "qx_skingen: %s names %s, which is not drawn\n", e.name.c_str(),
                     e.file.c_str());
        ok = false;
    }
    for (const auto& [file, image] : images) {
        bool named = false;
        for (const SkinElement& e : DefaultSkin()) named = named || e.file == file;
        if (!named) {
            std::fprintf(stderr, "qx_skingen: %s is drawn but named by no element\n", file.c_str());
            ok = false;
        }
    }
    return ok;
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    const std::string folder = std::string(argv[1]) + "/";
    std::string sheetPath;
    std::vector<PreviewRequest> previews;
    for (int i = 2; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--contact-sheet") && i + 1 < argc) {
            sheetPath = argv[++i];
        } else if (!std::strcmp(argv[i], "--preview") && i + 2 < argc) {
            PreviewRequest p;
            if (std::sscanf(argv[i + 1], "%dx%d", &p.width, &p.height) != 2 || p.width <= 0 ||
                p.height <= 0)
                return Usage();
            p.path = argv[i + 2];
            previews.push_back(p);
            i += 2;
        } else {
            return Usage();
        }
    }

    ImageSet images;
    DrawAreaImages(images);
    SurfacePtr background =
        RenderBackground(images, metrics::kReferenceWidth, metrics::kReferenceHeight);
    DrawButtonStrips(images, background.get());
    if (!CheckImagesMatchTable(images)) return 1;

    for (const auto& [file, image] : images) {
        if (!WritePng(image.get(), folder + file)) {
            std::fprintf(stderr, "qx_skingen: cannot write %s%s\n", folder.c_str(), file.c_str());
            return 1;
        }
    }
    if (!WriteText(folder + "skin.ini", SkinIniText())) {
        std::fprintf(stderr, "qx_skingen: cannot write %sskin.ini\n", folder.c_str());
        return 1;
    }
    if (!sheetPath.empty() && !WriteContactSheet(images, sheetPath)) {
        std::fprintf(stderr, "qx_skingen: cannot write %s\n", sheetPath.c_str());
        return 1;
    }
    for (const PreviewRequest& p : previews) {
        SurfacePtr window = RenderWindow(images, p.width, p.height);
        if (!WritePng(window.get(), p.path)) {
            std::fprintf(stderr, "qx_skingen: cannot write %s\n", p.path.c_str());
            return 1;
        }
    }
    std::printf("qx_skingen: %zu images and skin.ini in %s\n", images.size(), folder.c_str());
    return 0;
}
