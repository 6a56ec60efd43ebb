// Files a command is in the middle of writing, removed when SIGINT, SIGTERM
// or SIGHUP ends it: an interrupted command leaves nothing behind, as a
// failed one does. The table is fixed in size and the handler only calls
// unlink and rmdir, so it is safe at any point of the program.
#pragma once

#include <string>

// Keeps `path` (a file, or an empty folder when `folder`) for removal until
// the returned slot is released; -1 when the table is full or the path too
// long, in which case an interruption may leave it behind.
int RemoveOnSignal(const std::string& path, bool folder = false);
void KeepAfterSignal(int slot);

// Installs the handler: it removes every path still held, files before
// folders, then ends the process by the same signal with its default action
// (so the caller's shell sees "interrupted", status 128 + signal). A handler
// installed later for a while (a transfer that cancels cleanly) takes
// precedence until it restores this one.
void InstallSignalCleanup();

// The number of paths held now (tests).
int PathsHeldForSignal();
