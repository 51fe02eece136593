// ANSI text by the rules of the system's code page.
#pragma once

#include "platform/lead_bytes.h"

#include <cstddef>
#include <string>

// The double-byte flag and the lead-byte ranges of the ANSI code page, read once at start-up.
const LeadByteTable& SystemLeadBytes();

// Whether the byte at position is the second byte of a double-byte character.
bool IsTrailByte(const std::string& text, size_t position);

// A copy of the text upper-cased by the system's rules for the current code page.
std::string UpperCased(const std::string& text);
