// The editor's small images, drawn in code so they stay sharp at any size.
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
QIcon FolderClosed();
QIcon FolderOpen();
} // namespace Icons
