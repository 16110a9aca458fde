#pragma once
// Path texts as the program handles them: POSIX paths, '/' the only separator.

#include <string>
#include <string_view>

namespace vorlan {

// Everything before the last component ("/a/b" for "/a/b/c.tie", "/" for "/c.tie"); empty for
// a bare file name.
std::string DirectoryOf(const std::string& path);

// The last component of a path.
std::string FileNameOf(const std::string& path);

// Path of a file in a directory, with one separator between them.
std::string JoinPath(const std::string& directory, std::string_view name);

// $HOME, or the password database's entry when it is unset.
std::string UserHomeDirectory();

}  // namespace vorlan
