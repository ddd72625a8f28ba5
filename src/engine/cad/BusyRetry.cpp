#include "engine/cad/BusyRetry.h"

namespace engine::cad {

Clock& DefaultClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace engine::cad
