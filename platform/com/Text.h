// Text between the add-on and Visio: the add-on's strings are in the ANSI code page,
// automation's are wide (BSTR).
#pragma once

#include "platform/com/Automation.h"

#include <string>

namespace com {

// A new BSTR holding the text converted from the ANSI code page; the caller frees it.
BSTR newBstr(const std::string& text);
// The wide text converted to the ANSI code page (a null BSTR is the empty text).
std::string ansiOf(const wchar_t* text, std::size_t length);
std::string ansiOf(BSTR text);
std::wstring wideOf(const std::string& text);

}  // namespace com
