// SPDX-License-Identifier: MIT
// The fixed list of standard Windows messages a component may handle, in the
// order the message handler list shows them and the generator visits them.
#pragma once

#include <QStringList>

const QStringList &standardMessageNames();   // 230 names
