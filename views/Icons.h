// The editor's small images, drawn in code at the size asked (so they stay
// sharp at any scale) with their outlines in the palette's text colour (so
// they stay visible on dark themes).
#pragma once

#include <QIcon>

namespace Icons {
QIcon TV();
QIcon Radio();
QIcon Scrambled();
QIcon Locked();
QIcon Skipped();
QIcon Tuner();
QIcon Satellite();
QIcon Transponder();
QIcon Multiplex();
// Closed, and open in the selected state (the favourite tree's nodes).
QIcon Folder();
QIcon Print();
} // namespace Icons
