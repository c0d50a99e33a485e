// qavhost: plays a session against the stand-in host with the add-on library loaded as
// Visio would load it. Usage: qavhost [SESSION]  (standard input without a file)
// Exit status: 0 when the session was played (its errors are in the output), 2 when
// it could not be read.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/Commands.h"
#include "app/Runner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: qavhost [SESSION]\n";
        return 2;
    }
    runner::Runner runner(std::cout);
    runner::addAllCommands(runner);
    if (argc == 2) {
        std::ifstream session(argv[1]);
        if (!session) {
            std::cerr << "cannot read " << argv[1] << "\n";
            return 2;
        }
        runner.setBaseFolder(std::filesystem::u8path(argv[1]).parent_path().u8string());
        return runner.play(session) == 0 ? 0 : 2;
    }
    return runner.play(std::cin) == 0 ? 0 : 2;
}
