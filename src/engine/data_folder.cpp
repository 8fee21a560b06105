#include "engine/data_folder.h"

namespace ferlow {

std::string drivePrefixOf(std::string_view currentDirectory)
{
    return std::string(currentDirectory.substr(0, 3));
}

std::string windowsDataFolder(std::string_view drivePrefix)
{
    return std::string(drivePrefix) + "program files\\ferlow\\";
}

}  // namespace ferlow
