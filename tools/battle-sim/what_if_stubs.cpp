#include "command_common.h"
int sweepCommand(const SimOptions&) { throw UsageError("not yet"); }
int compareCommand(const SimOptions&) { throw UsageError("not yet"); }
int weightsCommand(const SimOptions&) { throw UsageError("not yet"); }
int mergeCommand(const SimOptions&) { throw UsageError("not yet"); }
