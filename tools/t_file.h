// Writing a file whole: the new text goes to a temporary file beside the
// target, which is then renamed over it, so the target holds either its old
// contents or all of the new text, never a part of it.
#pragma once

#include <string>

// Where the contents for `fileName` belong: the file a symbolic link points
// to, so that the link stays a link; `fileName` itself when it is no link
// or a link that cannot be followed to a path.
std::string resolveLink(const char* fileName);

// Creates an empty temporary file in the directory of `target` and puts its
// name into `tempName`. The open descriptor, or -1 when none can be made.
int makeTemporaryBeside(const std::string& target, std::string& tempName);

// What replaceFileContents does with a target it cannot replace through a
// temporary file: one that is not a regular file (a device, or a symbolic
// link still unresolved), or one in a directory where no temporary file can
// be made.
enum class NoTemporary { WriteInPlace, Fail };

// Replaces the contents of `target` with `text` through a temporary file
// and a rename. The new file takes the permission bits of the file it
// replaces, and its owner and group where the system allows; a new file gets
// the usual permissions (0666 less the umask). 0 on success, 1 on failure;
// a failure leaves no temporary file, and the target as it was unless it had
// to be written in place.
int replaceFileContents(const std::string& target, const std::string& text, NoTemporary otherwise);
