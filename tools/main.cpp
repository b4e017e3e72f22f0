// SPDX-License-Identifier: MIT
// quadrelle-assets OUTPUT_DIR
//
// Draws the square pictures and the window icon, synthesises the two sound clips
// and writes them, with the resource list that embeds them, below OUTPUT_DIR.
// Nothing is random or time-dependent, so every run writes the same bytes.
#include "AssetFiles.h"
#include "Icon.h"
#include "ResourceList.h"
#include "SoundClips.h"
#include "SquarePictures.h"

#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString outputDir = QString::fromLocal8Bit(argv[1]);
    try {
        QStringList files = assets::writeSquarePictures(outputDir);
        files += assets::writeIcons(outputDir);
        files += assets::writeSoundClips(outputDir);
        assets::writeResourceList(outputDir, files);
        std::printf("wrote %lld files below %s\n", static_cast<long long>(files.size() + 1), argv[1]);
    } catch (const assets::WriteError& error) {
        std::fprintf(stderr, "quadrelle-assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
