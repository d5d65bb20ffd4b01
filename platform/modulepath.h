// The full path of the running program file and the path rules derived from it.
#pragma once

#include <string>

std::string ModuleFileName();
// Folder of a path, with a trailing separator.
std::string ExtractFilePath(const std::string& path);
// File name without folder and extension.
std::string ExtractBaseName(const std::string& path);
// The path with its extension replaced (or appended, when the file name has none).
std::string ChangeFileExt(const std::string& path, const std::string& ext);
bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
