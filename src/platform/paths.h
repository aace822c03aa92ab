#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillan {

// Paths inside the program are Windows paths in Windows-1250 ("Htm_r\h_index.html",
// ProgramDir + "cw_r\" + name + ".bc4"). NativePath turns one into the path of a real file:
//  - "\" and "/" both separate components; a leading drive tag ("D:") stands for the root;
//  - the components are turned into UTF-8;
//  - each component is taken as written when it exists, otherwise the entry of that
//    directory that matches it without regard to letter case (the first in name order when
//    several do), so "Gfx_r" finds "gfx_r" and a write to "tmp1.Wav" replaces "tmp1.wav";
//  - a component that matches nothing is kept as written (a file about to be created).
// A relative path is relative to the current directory.
std::string NativePath(std::string_view windowsPath);

bool FileExists(std::string_view windowsPath);       // a regular file (or a link to one)
bool DirectoryExists(std::string_view windowsPath);

// Creates the directory and any missing parents. Throws FileError when that fails.
void MakeDirectories(std::string_view windowsPath);

// Names (Windows-1250) of the regular files in a directory whose names end in `suffix`
// without regard to letter case ("*.bc4" is ListFiles(dir, ".bc4")), in the order of a Windows
// listing (by name, letter case aside); hidden names (".x") are left out. A missing directory
// gives no names.
std::vector<std::string> ListFiles(std::string_view windowsDir, std::string_view suffix);
// The same with the directories among them, as a listing that includes directory entries.
std::vector<std::string> ListEntries(std::string_view windowsDir, std::string_view suffix);
// The same for names that begin with `prefix` (letter case aside).
std::vector<std::string> ListFilesStartingWith(std::string_view windowsDir, std::string_view prefix);

// The directory part of a Windows or native path, with its trailing separator
// ("C:\a\b.exe" -> "C:\a\", "/opt/q/quillan" -> "/opt/q/"); empty when there is none.
std::string DirectoryOf(std::string_view path);

// "\" or "/": either separates the names of a path.
bool IsSeparator(char c);

// Adds a backslash unless the text already ends in "\" or "/". An empty text stays empty.
std::string WithTrailingSeparator(std::string path);

// Makes the directory the current one; false when it cannot.
bool ChangeDirectory(std::string_view windowsPath);

// True for "\a", "/a" and "D:\a"; false for "a\b".
bool IsAbsolutePath(std::string_view windowsPath);

// A relative path taken from the current directory ("demo" in /home/ola gives "/home/ola/demo");
// an absolute path as it is.
std::string AbsolutePath(std::string_view windowsPath);

// ASCII letter-case-insensitive equality, as file names and tags are compared.
bool SameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace quillan
