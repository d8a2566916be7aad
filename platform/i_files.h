// The few file-system calls the game makes besides reading and writing
// text streams: making a folder, replacing one file by another, setting a
// file aside and flushing a file to the disk. Plain system calls, no
// graphics library, so the headless modules can use them.
#pragma once

// Makes the folder and any missing parents ("a/b/c/" or "a/b/c").
// 0 when the folder exists afterwards, 1 otherwise.
int makeFolders(const char* path);

// Moves `from` over `to` in one step: a reader sees either the old `to`
// or the new one, never a part of either. 0 on success, 1 on failure.
int replaceFile(const char* from, const char* to);

// True when a file (or anything else) of that name exists.
bool fileExists(const char* path);

// Writes `size` bytes to a new file `path` (replacing one of that name)
// and makes sure they reach the disk before it returns. 0 on success, 1 on
// failure (the file may then hold part of the bytes).
int writeWholeFile(const char* path, const char* bytes, unsigned long size);

// The system's text for the last failed call, for one-line reports.
const char* lastFileError();
