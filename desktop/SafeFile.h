#pragma once

#include <string>

// Replaces a file's whole contents so that the file is always either the old one or the
// whole new one, never a part: the data goes to a temporary file in the same directory,
// reaches the disk, and is then renamed over the file. A symbolic link is followed and kept;
// the old file's mode is kept. On failure the old file is untouched, the temporary file is
// removed, and `error` says why in a few words. A new file is readable by its owner only when
// `privateIfNew`, else by whom the process's umask allows.
bool ReplaceFileContents(const std::string& path, const std::string& data, std::string& error,
                         bool privateIfNew = false);

// Where a path leads through symbolic links; a dangling link leads to where it points.
std::string FollowLinks(const std::string& path);

// The name of a temporary file that a replacement of `file` (a name, no directory) writes
// beside it, less the six characters mkstemp picks: ".registry.json.mvdesk-save-". No user
// names a file so, which lets a killed replacement's leftovers be told from a user's files.
std::string TemporaryPrefix(const std::string& file);
