// SPDX-License-Identifier: MIT
// The window's icon: every size the resources hold, ":/icon/quadrelle-<size>.png".
#pragma once

#include <QIcon>

namespace quadrelle::app {

QIcon windowIconFromResources();

} // namespace quadrelle::app
