#pragma once

#include "platform/lead_bytes.h"

#include <string>

// The directory part of a path: up to its last "\" or ":", without that "\" unless it follows a
// ":" or another "\" (so C:\X.SCR gives C:\ and \X.SCR gives \). Separators that are the second
// byte of a double-byte character do not count.
std::string DirectoryPartOf(const std::string& path, const LeadByteTable& leadBytes);
