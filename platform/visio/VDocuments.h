// VDocuments is declared in Wrappers.h with every other wrapper.
#pragma once

#include "platform/visio/Wrappers.h"
