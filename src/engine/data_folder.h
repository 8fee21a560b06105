// Where the machine finds its files: the drive of the directory it was started
// from, and below it the program's folder.
#pragma once

#include <string>
#include <string_view>

namespace ferlow {

// The first three characters of the current directory, a drive root such as "D:\".
std::string drivePrefixOf(std::string_view currentDirectory);

// The data folder of a Windows installation: the drive prefix followed by
// "program files\ferlow\".
std::string windowsDataFolder(std::string_view drivePrefix);

}  // namespace ferlow
