// SPDX-License-Identifier: MIT
// The resource list that embeds the assets, and loading through it.
#pragma once

#include <QObject>

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void listsEveryAssetFile();
    void picturesLoadByName_data();
    void picturesLoadByName();
    void soundsLoadByNumber_data();
    void soundsLoadByNumber();
};
