// Corvane Shaper entry point.
#include <cstdio>
#include <exception>

#include "app/gui/Startup.h"
#include "studio/gui/scene/VisGL.h"

int main(int argc, char** argv) {
    VisGL::InitFPU();
    VisGL::FormatParDefaut();
    try {
        return Startup::Execute(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Corvane Shaper: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Corvane Shaper: unexpected error\n");
    }
    return 1;
}
