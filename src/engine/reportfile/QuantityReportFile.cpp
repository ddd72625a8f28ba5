#include "engine/reportfile/QuantityReportFile.h"

namespace engine {

// Nothing is reloaded yet: the report file's format comes with its writer.
void LoadQuantityReport(Session&, Interaction&) {}

}  // namespace engine
