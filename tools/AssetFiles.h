// SPDX-License-Identifier: MIT
// Writing the generated files below the output directory. Every writer reports
// failure by throwing, so main() can print one message and exit non-zero.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

namespace assets {

struct WriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

void writeBytes(const QString& path, const QByteArray& bytes);
void writePng(const QString& path, const QImage& image);

} // namespace assets
