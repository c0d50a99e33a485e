#include "simulator/TimeSeededDraw.h"

#include <cstdlib>

#include "platform/os/System.h"

int timeSeededDraw() {
    std::srand(static_cast<unsigned>(os::System::current().currentTime()));
    return std::rand();
}
