// The installed settings of the run.
#include "config/settings.h"

namespace config {

namespace {

struct Installed {
    const Settings* settings = nullptr;
    const Environment* environment = nullptr;
};

Installed& installed() {
    static Installed i;
    return i;
}

}  // namespace

const Settings& settings() {
    static const Settings defaults;
    const Settings* given = installed().settings;
    return given ? *given : defaults;
}

const Environment& environment() {
    static const Environment defaults;
    const Environment* given = installed().environment;
    return given ? *given : defaults;
}

void install(const Settings& settings) { installed().settings = &settings; }
void install(const Environment& environment) { installed().environment = &environment; }

}  // namespace config
