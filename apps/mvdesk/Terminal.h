#pragma once

// Whether the file descriptor is a terminal a person types at and reads: on Windows a
// console, not merely a character device (the null device is one too).
bool IsTerminal(int fd);
