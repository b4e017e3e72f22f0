// SPDX-License-Identifier: MIT
// Registering the compiled-in resources, and reading their pictures.
#include "platform/Resources.h"

#include <QImageReader>
#include <QtCore/qglobal.h>

#ifdef QUADRELLE_HAVE_ASSETS
// Q_INIT_RESOURCE declares a function of the global namespace, so it is called from here.
static bool initAssets() {
    Q_INIT_RESOURCE(assets);
    return true;
}
#else
static bool initAssets() {
    return false;
}
#endif

namespace quadrelle::app {

bool registerResources() {
    static const bool registered = initAssets();
    return registered;
}

QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace quadrelle::app
