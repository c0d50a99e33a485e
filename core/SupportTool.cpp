#include "core/SupportTool.h"

SupportTool::~SupportTool() = default;
