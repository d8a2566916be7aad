// Where Linux and Windows differ in files, folders and the console: one
// small set of procedures with a side for each system (platform/posix/ and
// platform/windows/, the build picks one). Everything above this layer
// works the same on both.
#pragma once

#include <string>

// The separator this system writes between folders in a path: "/" on Linux,
// "\" on Windows.
extern const char FolderSeparator[];

// True when `c` separates folders in a path here: '/' everywhere, and '\'
// too on Windows.
bool isFolderSeparator(char c);

// The folder part of `path` with its trailing separator (and a Windows
// drive such as "C:"), or "" for a bare file name.
std::string folderOf(const std::string& path);

// The folder where the installed game keeps its campaigns, when this system
// has a fixed one searched in third place ("c:\program files\quib\" on
// Windows, with its trailing separator); nullptr where the third place is
// the player's own folder (Linux).
const char* installedCampaignFolder();

// The folder that keeps the player's records on a system with no home
// folder convention of its own ("%APPDATA%\QUIB\" on Windows), in
// `folder` of `size` bytes with its trailing separator: 0 then; 1 where the
// records follow the player's campaign folder (Linux) or the variable is
// missing or too long.
int systemRecordsFolder(char* folder, int size);

// True when `path` names a symbolic link (never on Windows).
bool isSymbolicLink(const char* path);

// The full path a symbolic link `path` leads to, in `resolved`; 0 when it is
// a link that could be followed, 1 otherwise (no link, a dangling link, or a
// system without links).
int followLink(const char* path, std::string& resolved);

// Creates a new, empty file named `pattern` with its last six characters
// ("XXXXXX") replaced so that no file of that name existed, open for
// writing bytes as they are. The descriptor, or -1.
int createUniqueFile(std::string& pattern);

// `text` with this system's text-file line ends: as it is on Linux, each
// "\n" as "\r\n" on Windows. Campaign files are written through this, so a
// file made here reads in this system's own editors; the reader takes
// either line end on both systems.
std::string systemLineEnds(const std::string& text);

// What a replacing file takes over from the file it replaces: its
// permission bits, and its owner and group where the system allows; a new
// file (when `replacing` is false) gets the usual permissions of a new
// file. On Windows there is nothing to take over: a file replaced there was
// writable, and it has no owner the program could keep.
// `mode`, `owner` and `group` are the replaced file's, from stat.
// 0 on success, 1 when the permissions could not be given.
int takeOverPermissions(int fd, bool replacing, unsigned mode, unsigned owner, unsigned group);

// Writes what `fd` holds through to the disk. 0 on success.
int flushToDisk(int fd);

// Renames `from` to `to`, replacing a file already named `to` in one step
// (Windows' own rename refuses an existing target). 0 on success.
int renameOver(const char* from, const char* to);

// A program of the graphical kind started from a console has no standard
// streams on Windows: this connects them to that console when none were
// handed over, so the console tools can ask and answer there. Nothing to
// do on Linux, or when the streams are pipes or files.
void useStartingConsole();

// The few file-system calls the records make besides reading and writing
// text streams: making a folder, replacing one file by another, setting a
// file aside and flushing a file to the disk.

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
