// SPDX-License-Identifier: MIT
// Writing assets.qrc. It is generated with the assets it lists, so the two never
// disagree about which files exist.
#include "ResourceList.h"

#include "AssetFiles.h"

#include <QMap>

namespace assets {

void writeResourceList(const QString& outputDir, const QStringList& files) {
    QMap<QString, QStringList> byFolder;
    for (const QString& file : files) byFolder[file.section('/', 0, 0)] << file;

    QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n");
    for (auto it = byFolder.cbegin(); it != byFolder.cend(); ++it) {
        qrc += QStringLiteral("  <qresource prefix=\"/%1\">\n").arg(it.key());
        for (const QString& file : it.value())
            qrc += QStringLiteral("    <file alias=\"%1\">%2</file>\n").arg(file.section('/', 1), file);
        qrc += QStringLiteral("  </qresource>\n");
    }
    qrc += QStringLiteral("</RCC>\n");
    writeBytes(outputDir + QStringLiteral("/assets.qrc"), qrc.toUtf8());
}

} // namespace assets
