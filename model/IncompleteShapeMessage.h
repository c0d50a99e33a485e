// The message that tells the user a shape of the notation lacks a required cell that
// could not be generated, so the shape is left out.
#pragma once

#include <cstdint>
#include <string>

#include "platform/visio/VShape.h"

std::string incompleteShapeMessageText(const std::string& shapeText, int32_t shapeID,
                                       const std::string& cellName);
// Shows the message for the shape and the cell last tried: an error box without owner,
// captioned with the product title, with one "OK" button.
void showIncompleteShapeMessage(const visio::VShape& shape, const std::string& cellName);
