#include "updater/InstallQuestion.h"

#include <iostream>

bool AskToInstall(int argc, char** argv, const std::string& question)
{
    bool yes = false;
    if (AskInDialog(argc, argv, question, yes))
        return yes;
    std::cout << question << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes";
}
