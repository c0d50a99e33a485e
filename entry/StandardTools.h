// The add-on's own tools, in their fixed order. Only the entry knows every tool, so that
// the layers below it never include a layer above.
#pragma once

#include "core/ToolFactory.h"

// The add-on's tools in creation order, which is also the order in which run requests
// and events are offered to them.
ToolFactoryList standardToolFactories();
