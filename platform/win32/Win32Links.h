#pragma once
// Links to files as the Win32 backends tell them.

namespace evenkeeper {

// Whether the existing file at path is a link to a file or is reached through one: the
// path the system resolves it to is not the path of its folder's entry. False when the
// system cannot tell (before Vista there is no such query, and no links to files either).
bool reachedThroughLink(const char* path);

}  // namespace evenkeeper
