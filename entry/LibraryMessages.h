// What the library's exported entry does with each of Visio's library messages.
#pragma once

#include <cstdint>

// Hands the message to the add-ons of the library's list and answers as the protocol
// wants. Nothing thrown inside leaves it.
uint16_t dispatchLibraryMessage(uint16_t message, uint16_t wParam, void* lParam) noexcept;
