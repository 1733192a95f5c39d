#pragma once
// The two hand cursors of the ticker: an open hand over a band that can be
// grabbed, a holding hand while it is held. Drawn here, in code, once.

#include <QCursor>

namespace tavo::ticker {

// The numbers under which the cursors are known to code that asks for them by
// number, as the bar's settings of the ticker do.
constexpr int kOpenHandCursorId = -23;
constexpr int kHoldingHandCursorId = -24;

const QCursor& openHandCursor();
const QCursor& holdingHandCursor();
// The cursor for one of the numbers above; the default arrow for any other.
QCursor scrollerCursor(int id);

}  // namespace tavo::ticker
