#include <iostream>
#include <string>
#include <vector>

#include "app/cli_commands.h"
#include "settings/settings_file.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return vorlan::RunCli(args, vorlan::SettingsFilePath(), std::cout, std::cerr);
}
