// The pictures of the grid's own cursors, drawn in code: a white plus over a
// cell (101), a thin cross over the fill handle (102), an arrow to the right
// over the row gutter (103), an arrow down over the header (104) and an
// arrow down and right over the top-left corner (105). Needs a
// QGuiApplication.
#pragma once

#include <QCursor>
#include <cstdint>

// The Qt cursor for a grid cursor id: the five pictures above, the split
// cursor for crHSplit, the arrow for crDefault and any other id.
QCursor GridCursor(std::int16_t Id);
