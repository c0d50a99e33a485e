// qavhost: plays a session against the stand-in host with the add-on library loaded as
// Visio would load it. Usage: qavhost [SESSION]  (standard input without a file)
#include <fstream>
#include <iostream>

#include "app/AddonCommands.h"
#include "app/Runner.h"

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: qavhost [SESSION]\n";
        return 2;
    }
    runner::Runner runner(std::cout);
    runner::addAddonCommands(runner);
    if (argc == 2) {
        std::ifstream session(argv[1]);
        if (!session) {
            std::cerr << "cannot read " << argv[1] << "\n";
            return 2;
        }
        return runner.play(session);
    }
    return runner.play(std::cin);
}
