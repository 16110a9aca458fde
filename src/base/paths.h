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

// Whether two names or paths are the same but for the case of their ASCII letters.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// Whether a regular file exists at path (false when it cannot be looked at).
bool IsExistingFile(const std::string& path);

// $HOME, or the password database's entry when it is unset.
std::string UserHomeDirectory();

}  // namespace vorlan
