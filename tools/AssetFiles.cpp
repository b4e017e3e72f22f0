// SPDX-License-Identifier: MIT
// Writing the generated files below the output directory, creating folders as needed.
#include "AssetFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

namespace assets {

void writeBytes(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw WriteError("cannot create the folder for " + path.toStdString());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw WriteError("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

void writePng(const QString& path, const QImage& image) {
    // Encode in memory first so a failed encode never leaves a half-written file.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(image))
        throw WriteError("cannot encode " + path.toStdString() + ": " + writer.errorString().toStdString());
    writeBytes(path, png);
}

} // namespace assets
