#include <stdexcept>

#include "FaultyPlugin.h"

void faulty_throw(void*) {
    throw std::runtime_error("thrown inside a plug-in");
}
