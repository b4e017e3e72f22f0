// SPDX-License-Identifier: MIT
// The two sound clips: format, exact lengths, levels and shape over time.
#pragma once

#include <QObject>

class SoundClipsTest : public QObject {
    Q_OBJECT

private slots:
    void headerIsCanonical_data();
    void headerIsCanonical();
    void peaksStayQuiet_data();
    void peaksStayQuiet();
    void fizzSwellsThenFadesToSilence();
    void fizzSinksInPitch();
    void whooshWaitsThenGrowsToTheEnd();
    void whooshSinksInPitch();
};
