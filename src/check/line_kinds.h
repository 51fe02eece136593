// What a line or a file looks like, for the checker's warnings. These are guesses about what the
// user meant; the rotation never makes them. Plain byte rules, free of Windows.
#pragma once

#include <cstddef>
#include <string>

// Line 21 written as the wallpaper heading but saved as UTF-8.
bool IsHeadingInUtf8(const std::string& line);
// The wallpaper heading's words in Shift-JIS between ASCII brackets.
bool IsHeadingWithHalfWidthBrackets(const std::string& line);

// A line that opens with a bracket, as the list file's headings do.
bool LooksLikeHeading(const std::string& line);
// A line that reads "Not use" or ends in a file extension, as entries do.
bool LooksLikeEntry(const std::string& line);

// A line that means "Not use" but differs from the marker in letter case or blanks, so that the
// reader takes it for an entry.
bool IsNotUseVariant(const std::string& line);

// An entry that names a drive or a network share by itself.
bool IsFullPath(const std::string& entry);

// The number of the first line, counted as the reader counts, that holds a line feed without a
// carriage return before it; 0 when there is none before the end of the file.
size_t FirstLoneLineFeedLine(const std::string& data);

// Whether the data up to the end of the file hold a Ctrl-Z, which ends the file early.
bool HasEndOfFileMark(const std::string& data);

// File signatures of the kinds each setting needs, tested on the first bytes of a file.
bool IsWaveHeader(const std::string& start);
bool IsProgramHeader(const std::string& start);
bool IsPictureHeader(const std::string& start);
