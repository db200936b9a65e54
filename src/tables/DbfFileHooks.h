#pragma once
// File hooks for shapelib. shapelib swaps the extension of the name it is given for ".dbf"; the
// hooks map that name back to the table's real path (INSUL.DAT and the like), never open the
// code page side file, and remember the first input/output failure of each open file. A file
// opened for reading only ("rb") is read whole into memory when it is opened, so the table read
// is the file as it was then; a FIFO or a device fails at once instead of being waited on.

#include "tables/FileStamp.h"

#include <shapefil.h>

#include <string>

// The name to hand to DBFOpenLL/DBFCreateLL for a table stored at `path`.
std::string DbfHookName(const std::string& path);

// Hooks for DBFOpenLL/DBFCreateLL used with DbfHookName.
SAHooks DbfFileHooks();

// True when a read, write, seek or flush of the handle's file has failed; `error` gets errno.
bool DbfIoFailed(DBFHandle handle, int& error);

// The stamp of the file a handle opened for reading holds in memory.
FileStamp DbfSnapshotStamp(DBFHandle handle);
