#pragma once

#include <cstddef>
#include <string>

// Reads a whole input file that must be a regular file of at most `limit` bytes. A FIFO, a
// device or a directory is refused at once, without reading from it or waiting for a writer.
// On failure `error` says why in a few words, without the path; `missing` tells whether the
// file does not exist at all.
bool ReadInputFile(const std::string& path, std::size_t limit, std::string& text,
                   std::string& error, bool* missing = nullptr);

// "256 MiB", "16 MiB", "512 bytes": a limit as a person reads it.
std::string SizeText(std::size_t bytes);
