// SPDX-License-Identifier: MIT
// Running the generator again reproduces the committed assets byte for byte.
#pragma once

#include <QObject>
#include <QTemporaryDir>

class RegenerationTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sameFilesAreWritten();
    void bothPictureSetsAreWritten();
    void everyFileIsIdentical_data();
    void everyFileIsIdentical();

private:
    QTemporaryDir output_;
};
